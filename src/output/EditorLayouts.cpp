// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorLayouts.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString lineEnd = u"\r\n"_s;

PrintedLine indented(const QString &text)
{
    return {text, true};
}

const PrintedLine spacer{u" "_s, false};

} // namespace

const QStringList &editorLayoutNames()
{
    static const QStringList names{u"Nur die Fragen"_s, u"Nur die Antworten"_s,
                                   u"Fragen-Antworten-Paare"_s, u"Fragen-Antworten-Block"_s,
                                   u"Fragen mit Antwortzeile"_s};
    return names;
}

EditorLayout editorLayoutAt(int currentRow)
{
    return static_cast<EditorLayout>(std::clamp(currentRow + 1, 1, 5));
}

QString editorLayoutText(EditorLayout layout, const QStringList &questions,
                         const QStringList &answers)
{
    QString text;
    switch (layout) {
    case EditorLayout::Questions:
        for (const QString &question : questions)
            text += question + lineEnd;
        break;
    case EditorLayout::Answers:
        for (const QString &answer : answers)
            text += answer + lineEnd;
        break;
    case EditorLayout::Pairs:
        for (qsizetype i = 0; i < questions.size(); ++i)
            text += questions[i] + lineEnd + answers.value(i) + lineEnd;
        break;
    case EditorLayout::Block:
        for (const QString &question : questions)
            text += question + lineEnd;
        text += lineEnd;
        for (const QString &answer : answers)
            text += answer + lineEnd;
        break;
    case EditorLayout::AnswerLines:
        for (const QString &question : questions)
            text += question + lineEnd + QString(40, u'_') + lineEnd + lineEnd;
        break;
    }
    return text;
}

QList<PrintJob> editorLayoutJobs(EditorLayout layout, const QStringList &questions,
                                 const QStringList &answers)
{
    PrintJob job;
    switch (layout) {
    case EditorLayout::Questions:
        for (const QString &question : questions)
            job.append(indented(question));
        break;
    case EditorLayout::Answers:
        for (const QString &answer : answers)
            job.append(indented(answer));
        break;
    case EditorLayout::Pairs:
        for (qsizetype i = 0; i < questions.size(); ++i)
            job << indented(questions[i]) << indented(answers.value(i)) << spacer;
        break;
    case EditorLayout::Block: {
        for (const QString &question : questions)
            job.append(indented(question));
        PrintJob answerJob;
        for (const QString &answer : answers)
            answerJob.append(indented(answer));
        return {job, answerJob};
    }
    case EditorLayout::AnswerLines:
        for (const QString &question : questions)
            job << indented(question) << indented(QString(60, u'_')) << spacer;
        break;
    }
    return {job};
}
