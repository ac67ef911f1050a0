// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/Services.h"
#include "session/Session.h"

#include <functional>
#include <memory>

class AboutBox;
class EditorWindow;
class MainWindow;

// Owns the run: the windows and the services. A window is created hidden on its first use and
// its load runs before that use goes on, so start-up order follows from who touches what.
// The windows reach each other only through here, by the Session they are given.
class Program final : public Session
{
public:
    explicit Program(Services services);
    ~Program() override;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    MainWindow &mainWindow();
    EditorWindow &editorWindow();
    AboutBox &aboutBox();

    Dialogs &dialogs() override { return m_services.dialogs; }
    RandomSource &random() override { return m_services.random; }
    PrintService &printer() override { return m_services.printer; }
    ClipboardService &clipboard() override { return m_services.clipboard; }
    SpeechService &speech() override { return m_services.speech; }

    QuizState quizState() override;
    CatalogueLists catalogue() override;
    SettingsControls settings() override;
    FilePanel &quizFilePanel() override;

    void showEditor() override;
    void showQuiz() override;
    void showAboutBox() override;

    // Creates the main window, runs its load and shows it.
    void start();

    // By default this leaves the event loop; tests put a recorder in its place.
    void endProgram() override;
    void setEndHandler(std::function<void()> handler);

private:
    Services m_services;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<EditorWindow> m_editorWindow;
    std::unique_ptr<AboutBox> m_aboutBox;
    std::function<void()> m_endHandler;
};
