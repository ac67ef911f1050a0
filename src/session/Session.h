// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/CatalogueLists.h"
#include "session/QuizState.h"
#include "session/SettingsControls.h"

class ClipboardService;
class Dialogs;
class FilePanel;
class PrintService;
class RandomSource;
class SpeechService;

// What a window may reach beyond itself: the services, the shared state behind named views,
// and the other windows by what they do. The program implements it; the windows never
// include each other.
class Session
{
public:
    virtual ~Session() = default;

    virtual Dialogs &dialogs() = 0;
    virtual RandomSource &random() = 0;
    virtual PrintService &printer() = 0;
    virtual ClipboardService &clipboard() = 0;
    virtual SpeechService &speech() = 0;

    virtual QuizState quizState() = 0;
    virtual CatalogueLists catalogue() = 0;
    virtual SettingsControls settings() = 0;
    // The main window's file browser: the editor proposes its selected file as a file name and
    // has it re-read after a save.
    virtual FilePanel &quizFilePanel() = 0;

    // The main window gives way to the editor, and back.
    virtual void showEditor() = 0;
    virtual void showQuiz() = 0;
    virtual void showAboutBox() = 0;
    // Ends the run at once: no further handler runs and nothing is saved.
    virtual void endProgram() = 0;
};
