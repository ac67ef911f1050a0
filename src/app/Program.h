// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

class ClipboardService;
class Dialogs;
class PrintService;
class RandomSource;
class MainWindow;
class EditorWindow;
class AboutBox;

// What reaches outside the process; tests hand in doubles.
struct Services
{
    Dialogs &dialogs;
    RandomSource &random;
    PrintService &printer;
    ClipboardService &clipboard;
};

// Owns the run: the windows and the services. A window is created hidden on its first use and
// its load runs before that use goes on, so start-up order follows from who touches what.
// Windows reach each other only through here.
class Program
{
public:
    explicit Program(Services services);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    MainWindow &mainWindow();
    EditorWindow &editorWindow();
    AboutBox &aboutBox();

    Dialogs &dialogs() { return m_services.dialogs; }
    RandomSource &random() { return m_services.random; }
    PrintService &printer() { return m_services.printer; }
    ClipboardService &clipboard() { return m_services.clipboard; }

    // Creates the main window, runs its load and shows it.
    void start();

    // Ends the run at once: no further handler runs and nothing is saved. By default this
    // leaves the event loop; tests put a recorder in its place.
    void endProgram();
    void setEndHandler(std::function<void()> handler);

private:
    Services m_services;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<EditorWindow> m_editorWindow;
    std::unique_ptr<AboutBox> m_aboutBox;
    std::function<void()> m_endHandler;
};
