// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The real input box: a line break pasted into a file name reaches the program as a blank.
TEST(QtInputBox, APastedLineBreakBecomesABlank)
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

} // namespace
