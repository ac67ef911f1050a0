// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashCards.h"

using namespace Qt::StringLiterals;

PrintJob flashCardJob(const QStringList &texts, qsizetype count)
{
    PrintJob job;
    for (qsizetype i = 0; i < count; ++i)
        job.append({texts.value(i), false});
    return job;
}

QString flashCardClipboardText(const QStringList &questions, const QStringList &answers,
                               qsizetype count)
{
    QString text;
    for (qsizetype i = 0; i < count; ++i)
        text += questions.value(i) + u"\r\n"_s + answers.value(i) + u"\r\n\r\n"_s;
    return text;
}
