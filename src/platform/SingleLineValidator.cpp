// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleLineValidator.h"

using namespace Qt::StringLiterals;

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar(0x0085) || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator;
}

} // namespace

QValidator::State SingleLineValidator::validate(QString &input, int &position) const
{
    // Each CR LF pair becomes one blank: the cursor moves back by one for each before it.
    position -= int(input.left(position).count(u"\r\n"_s));
    input = joinedLines(input);
    return Acceptable;
}

QString SingleLineValidator::joinedLines(const QString &text)
{
    QString joined = text;
    joined.replace(u"\r\n"_s, u" "_s);
    for (QChar &c : joined) {
        if (isLineBreak(c))
            c = u' ';
    }
    return joined;
}
