// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include "platform/SingleLineValidator.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

QMessageBox::Icon iconOf(BoxStyles style)
{
    if (style.testFlag(BoxStyle::StopIcon))
        return QMessageBox::Critical;
    if (style.testFlag(BoxStyle::QuestionIcon))
        return QMessageBox::Question;
    if (style.testFlag(BoxStyle::WarningIcon))
        return QMessageBox::Warning;
    return QMessageBox::NoIcon;
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

BoxAnswer QtDialogs::messageBox(const QString &prompt, BoxStyles style, const QString &title)
{
    QMessageBox box(iconOf(style), title, displayText(prompt), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (style.testFlag(BoxStyle::YesNo)) {
        QPushButton *yes = box.addButton(u"Ja"_s, QMessageBox::YesRole);
        QPushButton *no = box.addButton(u"Nein"_s, QMessageBox::NoRole);
        box.setDefaultButton(style.testFlag(BoxStyle::NoIsDefault) ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? BoxAnswer::Yes : BoxAnswer::No;
    }
    box.setDefaultButton(box.addButton(u"OK"_s, QMessageBox::AcceptRole));
    box.exec();
    return BoxAnswer::Ok;
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextEchoMode(QLineEdit::Normal);
    dialog.setTextValue(defaultText);
    // A pasted line break would otherwise reach a file name or a number.
    if (auto *line = dialog.findChild<QLineEdit *>())
        line->setValidator(new SingleLineValidator(line));
    dialog.setOkButtonText(u"OK"_s);
    dialog.setCancelButtonText(u"Abbrechen"_s);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

// Qt's own dialog rather than the desktop's, which would speak the system language: its texts
// come from Qt's German translation, in effect while the dialog is open. Replacing a file that
// exists is confirmed in the dialog.
QString QtDialogs::saveFileName(const QString &title, const QString &proposedPath,
                                const QString &filter)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QTranslator translation;
    if (translation.load(german, u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translation);

    const QFileInfo proposed(proposedPath);
    QFileDialog dialog(QApplication::activeWindow(), title, proposed.absolutePath(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLocale(german);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(proposed.suffix());
    dialog.selectFile(proposed.fileName());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
