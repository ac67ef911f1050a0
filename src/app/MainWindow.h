// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/QuizRules.h"
#include "session/QuizState.h"

#include <QWidget>

struct CatalogueReadResult;
class FilePanel;
class HelpPanel;
class ListBox;
class QLabel;
class QTimer;
class Session;
class Shape;

// The main window: the quiz screen. Its controls are the quiz state; the hidden labels hold
// numbers as captions, reached through the QuizState view.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(Session &session);

    // Run once by the program right after creation, before the window is first shown.
    void load();

    // The quiz state this window's controls hold.
    QuizState quizState();
    // The file browser, whose marked file the editor proposes as a name when it saves.
    FilePanel &filePanel();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createFileBrowser();
    void handleKey(int qtKey);

    // The quiz (MainWindowQuiz.cpp).
    void confirmAnswer(); // "Eingabe": judges the shown answer
    void page(QuizRules::Paging paging);
    void goBack();                   // "Zurück"
    void goForward();                // "Weiter"
    void restoreStandardQuestions(); // "Löschen"
    void switchWorkMode();           // "Arbeitsmodus"

    // The file browser and the settings read at start-up (MainWindowFileBrowser.cpp).
    void dismissStandardNotice(); // a click on the notice
    void toggleFileBrowser();     // "Dateimenü"
    void loadSelectedFile();      // a change of the marked file, or a click on it
    // What a click in the file browser and a drop on the window share: the pairs read replace
    // the catalogue, and `fileName` goes into the caption and the count message.
    void takeCatalogue(CatalogueReadResult read, const QString &fileName);
    void applyStartupSettings(); // the start-up timer
    void readStartupSettings();

    // The commands (MainWindowCommands.cpp).
    void quit(); // "Beenden" and Esc, after asking
    bool quitConfirmed();
    void openEditor();       // "Editor", behind the password
    void toggleHelp();       // "Hilfetext" and F1
    void askQuestionCount(); // "Einstellung"
    void showErrorRate();    // "Fehler"
    void showSolutionRate(); // "Lösungen"
    void showAboutBox();     // "Autor"
    void printCards();       // "Drucken"
    void copyCards();        // "Ablage"

    Session &m_session;

    QLabel *m_questionDisplay = nullptr;
    QLabel *m_answerDisplay = nullptr;
    QLabel *m_rightInSetLabel = nullptr;     // right answers in the practice set, hidden
    QLabel *m_lastChoiceRowLabel = nullptr;  // last row of the choice list, hidden
    QLabel *m_browsePositionLabel = nullptr; // browse position in the choice list, hidden
    QLabel *m_questionCountLabel = nullptr;  // question count per practice set, hidden
    QLabel *m_workModeLabel = nullptr;
    QLabel *m_wrongCountLabel = nullptr;
    QLabel *m_rightCountLabel = nullptr;
    QLabel *m_standardNotice = nullptr;
    HelpPanel *m_helpPanel = nullptr;
    ListBox *m_choiceList = nullptr; // the answers offered, sorted, beside the window
    Shape *m_progressBar = nullptr;
    FilePanel *m_fileBrowser = nullptr; // hidden until asked for
    QTimer *m_startupTimer = nullptr;   // reads the settings once, shortly after start-up
};
