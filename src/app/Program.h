#pragma once

#include <memory>

class Dialogs;
class RandomSource;
class Form1;
class Form2;

// What reaches outside the process; tests hand in doubles.
struct Services
{
    Dialogs &dialogs;
    RandomSource &random;
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

    Dialogs &dialogs() { return m_services.dialogs; }
    RandomSource &random() { return m_services.random; }

    // Creates the main window, runs its load and shows it.
    void start();

private:
    Services m_services;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
};
