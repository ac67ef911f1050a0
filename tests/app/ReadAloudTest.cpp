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
    EXPECT_EQ(control<QLabel>(main(), u"Bezeichnung1"_s)->toolTip(), u"Zum Vorlesen anklicken"_s);
    EXPECT_EQ(control<QLabel>(main(), u"Bezeichnung2"_s)->toolTip(), u"Zum Vorlesen anklicken"_s);
    control<QLabel>(main(), u"Bezeichnung10"_s)->hide();
    click(control<QLabel>(main(), u"Bezeichnung1"_s));
    click(control<QLabel>(main(), u"Bezeichnung2"_s));
    press(Qt::Key_Right);
    click(control<QLabel>(main(), u"Bezeichnung2"_s));
    EXPECT_EQ(speech.said,
              (QStringList{u"de_DE: "_s + question(), u"de_DE: Als Orkan."_s,
                           u"de_DE: "_s + answer()}));
    EXPECT_NE(answer(), u"Als Orkan."_s);
}

TEST_F(ReadAloud, TheNoticeKeepsItsOwnClick)
{
    click(control<QLabel>(main(), u"Bezeichnung10"_s));
    EXPECT_TRUE(speech.said.isEmpty());
    EXPECT_TRUE(control<FilePanel>(main(), u"Bild16"_s)->isVisible());
}

} // namespace
