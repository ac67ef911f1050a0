// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// Keeps a text box to one line: every line break typed, pasted or set (CR LF, CR, LF and the
// Unicode line and paragraph separators) becomes one blank. A catalogue file keeps one text per
// line, so a line break inside a text would shift every later pair of a saved file.
class SingleLineValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;

    // The text with each line break replaced by a blank.
    static QString joinedLines(const QString &text);
};
