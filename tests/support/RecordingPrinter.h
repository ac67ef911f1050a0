// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/PrintService.h"

#include <QList>
#include <QStringList>

// Keeps every job as the lines it received, each with the font it was printed in, and every
// PDF file asked for with its runs. The outcomes of the jobs can be scripted; without a script
// every job goes out. Every PDF file counts as written.
class RecordingPrinter final : public PrintService
{
public:
    struct Line
    {
        QString text;
        int column = 0; // 0: at the margin
        QString fontName;
        double fontSize = 0;

        friend bool operator==(const Line &, const Line &) = default;
    };
    using Job = QList<Line>;

    void setFontName(const QString &name) override
    {
        m_fontName = name;
        fontSettings << QStringLiteral("name ") + name;
    }
    void setFontSize(double points) override
    {
        m_fontSize = points;
        fontSettings << QStringLiteral("size ") + QString::number(points);
    }
    void printLine(const QString &text) override
    {
        pending.append({text, 0, m_fontName, m_fontSize});
    }
    void printLineAt(int column, const QString &text) override
    {
        pending.append({text, column, m_fontName, m_fontSize});
    }
    PrintOutcome endDocument() override
    {
        jobs.append(pending);
        pending.clear();
        return outcomes.isEmpty() ? PrintOutcome::Done : outcomes.takeFirst();
    }
    QString writePdf(const QString &path, const QList<PrintRun> &runs) override
    {
        pdfFiles.append({path, runs});
        return {};
    }

    struct PdfFile
    {
        QString path;
        QList<PrintRun> runs;
    };

    QList<Job> jobs;              // ended jobs, in order
    Job pending;                  // lines of a job not ended yet
    QStringList fontSettings;     // "name Arial", "size 18", in the order they were made
    QList<PrintOutcome> outcomes; // given to the next ended jobs in turn
    QList<PdfFile> pdfFiles;      // each writing of a PDF file, in order

private:
    QString m_fontName;
    double m_fontSize = 0;
};
