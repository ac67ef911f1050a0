// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/ClipboardService.h"
#include "services/PrintService.h"
#include "services/RandomSource.h"
#include "services/SpeechService.h"

#include <QList>
#include <QStringList>
#include <vector>

// Keeps every job as the lines it received, each with its column and font. The outcomes of the
// jobs can be scripted; without a script every job goes out.
class RecordingPrinter final : public PrintService
{
public:
    struct Line
    {
        QString text;
        int column = 0; // 0: at the margin
        QString font;   // "Arial 18"
        friend bool operator==(const Line &, const Line &) = default;
    };
    using Job = QList<Line>;

    void setFontName(const QString &name) override { m_fontName = name; }
    void setFontSize(double points) override { m_fontSize = points; }
    void printLine(const QString &text) override { printLineAt(0, text); }
    void printLineAt(int column, const QString &text) override
    {
        pending.append({text, column, m_fontName + u' ' + QString::number(m_fontSize)});
    }
    PrintOutcome endDocument() override
    {
        jobs.append(std::exchange(pending, {}));
        return outcomes.isEmpty() ? PrintOutcome::Done : outcomes.takeFirst();
    }
    // Every PDF file counts as written.
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
    QList<PdfFile> pdfFiles;      // each writing of a PDF file, in order
    Job pending;                  // lines of a job not ended yet
    QList<PrintOutcome> outcomes; // given to the next ended jobs in turn

private:
    QString m_fontName;
    double m_fontSize = 0;
};

// Keeps what was done to the clipboard, in order: "clear" or "set:" followed by the text.
class RecordingClipboard final : public ClipboardService
{
public:
    void clear() override { calls << QStringLiteral("clear"); }
    void setText(const QString &text) override { calls << QStringLiteral("set:") + text; }

    QStringList calls;
};

// Draws the given numbers in turn, over and over.
class SequenceRandom final : public RandomSource
{
public:
    explicit SequenceRandom(std::vector<double> values = {0.5}) : m_values(std::move(values)) { }

    double next() override { return m_values[m_next++ % m_values.size()]; }
    void reseedFromClock() override { }

private:
    std::vector<double> m_values;
    size_t m_next = 0;
};

// Keeps every text it was asked to read aloud, in order, empty ones too, as "de_DE: text" with
// the language asked for, so that a test sees exactly what its caller passed.
class RecordingSpeech final : public SpeechService
{
public:
    void say(const QString &text, const QLocale &language) override
    {
        said << language.name() + QStringLiteral(": ") + text;
    }

    QStringList said;
};
