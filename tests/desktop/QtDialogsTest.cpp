// SPDX-License-Identifier: GPL-3.0-or-later
// The real boxes, answered by keys a user presses.
#include "desktop/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Enter presses the default button, which for the quit box must be "Nein".
TEST(QtDialogs, EnterAnswersTheQuitBoxWithNo)
{
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    EXPECT_EQ(QtDialogs().messageBox(u"Das Programm beenden?\r"_s,
                                     BoxStyle::YesNo | BoxStyle::StopIcon | BoxStyle::NoIsDefault,
                                     u"ZEL-Merkbold"_s),
              BoxAnswer::No);
}

// The save dialog is Qt's own, in German, on the proposed name in its folder.
TEST(QtDialogs, TheSaveDialogSpeaksGermanAndProposesTheName)
{
    QTemporaryDir dir;
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QPushButton *save = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save);
        EXPECT_EQ(save->text(), u"S&peichern"_s);
        save->click();
    });
    EXPECT_EQ(QtDialogs().saveFileName(u"Als PDF-Datei speichern"_s, dir.filePath(u"KARTEN.PDF"_s),
                                       u"PDF-Dateien (*.pdf *.PDF)"_s),
              dir.filePath(u"KARTEN.PDF"_s));
}

} // namespace
