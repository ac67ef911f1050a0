// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

class ClipboardService;
class Dialogs;
class PrintService;
class RandomSource;
class Form1;
class Form2;
class ZELLABEL;

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

    Form1 &form1();
    Form2 &form2();
    ZELLABEL &zellabel();

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
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<ZELLABEL> m_zellabel;
    std::function<void()> m_endHandler;
};
