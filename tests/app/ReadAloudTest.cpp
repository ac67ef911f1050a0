// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "session/FilePanel.h"
#include "support/ProgramFixture.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

using ReadAloud = ProgramFixture;

// The scripted dialogs fail the test on any box: a click reads aloud and shows nothing.
TEST_F(ReadAloud, AClickOnEitherDisplayReadsExactlyItsText)
{
    EXPECT_EQ(main().questionDisplay->toolTip(), u"Zum Vorlesen anklicken"_s);
    EXPECT_EQ(main().answerDisplay->toolTip(), u"Zum Vorlesen anklicken"_s);
    main().standardNotice->hide();
    click(main().questionDisplay);
    click(main().answerDisplay);
    press(Qt::Key_Right);
    click(main().answerDisplay);
    EXPECT_EQ(speech.said,
              (QStringList{u"de_DE: "_s + question(), u"de_DE: Als Orkan."_s,
                           u"de_DE: "_s + answer()}));
    EXPECT_NE(answer(), u"Als Orkan."_s);
}

TEST_F(ReadAloud, TheNoticeKeepsItsOwnClick)
{
    click(main().standardNotice);
    EXPECT_TRUE(speech.said.isEmpty());
    EXPECT_TRUE(main().fileBrowser->isVisible());
}

} // namespace
