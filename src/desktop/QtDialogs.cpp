// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case MsgBox::Critical:
        return QMessageBox::Critical;
    case MsgBox::Question:
        return QMessageBox::Question;
    case MsgBox::Exclamation:
        return QMessageBox::Warning;
    case MsgBox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

QString QtDialogs::displayText(const QString &prompt)
{
    QString text = prompt;
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

int QtDialogs::messageBox(const QString &prompt, int style, const QString &title)
{
    QMessageBox box(iconOf(style), title, displayText(prompt), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if ((style & 0x7) == MsgBox::YesNo) {
        QPushButton *yes = box.addButton(u"Ja"_s, QMessageBox::YesRole);
        QPushButton *no = box.addButton(u"Nein"_s, QMessageBox::NoRole);
        box.setDefaultButton((style & MsgBox::DefaultButton2) ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgBox::Yes : MsgBox::No;
    }
    box.setDefaultButton(box.addButton(u"OK"_s, QMessageBox::AcceptRole));
    box.exec();
    return MsgBox::Ok;
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextEchoMode(QLineEdit::Normal);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(u"OK"_s);
    dialog.setCancelButtonText(u"Abbrechen"_s);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
