// SPDX-License-Identifier: GPL-3.0-or-later
// The real boxes, answered by keys a user presses.
#include "desktop/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QLineEdit>
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

// A line break pasted into a file name reaches the program as a blank.
TEST(QtDialogs, APastedLineBreakBecomesABlank)
{
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto *line = box->findChild<QLineEdit *>();
        line->selectAll();
        line->insert(u"Tiere\nNeu.TXT"_s); // as a paste does: through the validator
        box->accept();
    });
    EXPECT_EQ(QtDialogs().inputBox(u"Namen der Datei:"_s, u"Datei speichern"_s, u"NEU.TXT"_s),
              u"Tiere Neu.TXT"_s);
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
