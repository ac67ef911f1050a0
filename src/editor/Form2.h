#pragma once

#include <QWidget>

class ListBox;
class Program;

// The editor window. Its two lists are the live catalogue of the whole program: pair i is row
// i of Liste1 (question) and of Liste2 (answer). It is created hidden at start-up and only
// ever shown and hidden.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(Program &program);

    // Run once by Program right after creation.
    void Form_Load();

    ListBox *Liste1 = nullptr; // questions
    ListBox *Liste2 = nullptr; // answers

    // Both lists stay on the same row, whichever was clicked or set from code.
    void Liste1_Click();
    void Liste2_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();

    Program &m_program;
};
