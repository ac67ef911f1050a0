// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainWindow.h"
#include "app/Program.h"
#include "editor/EditorWindow.h"
#include "services/Dialogs.h"
#include "services/RandomSource.h"
#include "support/Doubles.h"

#include <QTemporaryDir>
#include <memory>

// Every box answered at once with its default: OK, or No for a question; input boxes keep
// their default text.
class QuietDialogs final : public Dialogs
{
public:
    BoxAnswer messageBox(const QString &, BoxStyles style, const QString &) override
    {
        return style.testFlag(BoxStyle::YesNo) ? BoxAnswer::No : BoxAnswer::Ok;
    }
    QString inputBox(const QString &, const QString &, const QString &defaultText) override
    {
        return defaultText;
    }
};

// A whole program with real windows (offscreen) and quiet services, in a working folder of
// its own.
class BenchProgram
{
public:
    BenchProgram();
    ~BenchProgram();

    Program &program() { return *m_program; }
    MainWindow &main() { return m_program->mainWindow(); }
    EditorWindow &editor() { return m_program->editorWindow(); }
    CatalogueLists catalogue() { return m_program->catalogue(); }
    const QString &folder() const { return m_folderPath; }

    // Puts a catalogue straight into the editor's lists, as a loader does.
    void setCatalogue(const QStringList &questions, const QStringList &answers);

private:
    QTemporaryDir m_folder;
    QString m_folderPath;
    QString m_previousDir;
    QuietDialogs m_dialogs;
    ClockRandomSource m_random;
    RecordingPrinter m_printer;
    RecordingClipboard m_clipboard;
    RecordingSpeech m_speech;
    std::unique_ptr<Program> m_program;
};
