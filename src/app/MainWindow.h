// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

struct CatalogueReadResult;
class DirListBox;
class DriveListBox;
class FileListBox;
class ListBox;
class PictureButton;
class FilePanel;
class HelpPanel;
class QuizState;
class Session;
class QLabel;
class QTimer;
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

    // Picture buttons.
    PictureButton *quitButton = nullptr;              // "Beenden"
    PictureButton *backButton = nullptr;              // "Zurück"
    PictureButton *forwardButton = nullptr;           // "Weiter"
    PictureButton *editorButton = nullptr;            // "Editor"
    PictureButton *helpButton = nullptr;              // "Hilfetext"
    PictureButton *standardQuestionsButton = nullptr; // "Löschen"
    PictureButton *questionCountButton = nullptr;     // "Einstellung"
    PictureButton *errorRateButton = nullptr;         // "Fehler"
    PictureButton *solutionRateButton = nullptr;      // "Lösungen"
    PictureButton *workModeButton = nullptr;          // "Arbeitsmodus"
    PictureButton *copyButton = nullptr;              // "Ablage"
    PictureButton *fileMenuButton = nullptr;          // "Dateimenü"
    PictureButton *confirmButton = nullptr;           // "Eingabe"
    PictureButton *aboutButton = nullptr;             // "Autor"
    PictureButton *printButton = nullptr;             // "Drucken"
    FilePanel *fileBrowser = nullptr;                 // file-browser panel, hidden
    DriveListBox *driveList = nullptr;                // in the file-browser panel
    DirListBox *folderList = nullptr;                 // in the file-browser panel
    FileListBox *fileList = nullptr;                  // in the file-browser panel, "*.TXT"

    QLabel *questionDisplay = nullptr;     // question shown
    QLabel *answerDisplay = nullptr;       // answer shown
    QLabel *rightInSetLabel = nullptr;     // right answers in the practice set (hidden)
    QLabel *lastChoiceRowLabel = nullptr;  // last row of the choice list (hidden)
    QLabel *browsePositionLabel = nullptr; // browse position (hidden)
    QLabel *questionCountLabel = nullptr;  // question count per practice set (hidden)
    QLabel *workModeLabel = nullptr;       // work mode
    QLabel *wrongCountLabel = nullptr;     // wrong answers
    QLabel *rightCountLabel = nullptr;     // right answers
    QLabel *standardNotice = nullptr;      // standard-questions notice
    HelpPanel *helpPanel = nullptr;        // help panel

    ListBox *choiceList = nullptr;  // choice list, sorted
    Shape *progressBar = nullptr;   // progress bar
    Shape *progressTrack = nullptr; // progress track
    Shape *displayFrame = nullptr;  // frame around question and answer
    QTimer *startupTimer = nullptr; // one-shot start-up timer

    // Control events.
    void goBack();                   // back
    void goForward();                // forward
    void restoreStandardQuestions(); // back to the standard questions
    void switchWorkMode();           // switch the work mode
    void confirmAnswer();            // judge the shown answer
    void copyCards();                // copy the current cards to the clipboard
    void printCards();               // print the current cards, questions then answers
    void dismissStandardNotice();
    void handleKey(int keyCode);

    // Main-window commands.
    void quit();             // quit after confirmation
    void openEditor();       // the editor, behind the password
    void toggleHelp();       // open or close the help panel
    void askQuestionCount(); // question count per practice set
    void showErrorRate();    // error rate
    void showSolutionRate(); // solution rate
    void showAboutBox();     // about box
    void closeHelp();        // closes the help panel

    // The file browser (FileBrowser.cpp).
    void toggleFileBrowser(); // open or close the browser
    void loadSelectedFile();  // load the selected catalogue file

    // Start-up settings (StartupSettings.cpp).
    void applyStartupSettings();
    void readStartupSettings();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createLabels();
    void createShapes();
    void wireEvents();
    void wireCommands();
    bool quitConfirmed();
    void wireCardOutput();
    void setUpFileBrowser();
    // What a click in the file browser and a drop on the window share: the pairs read replace
    // the catalogue, and `fileName` goes into the caption and the count message.
    void takeCatalogue(CatalogueReadResult read, const QString &fileName);
    void describeStateLabels();

    Session &m_session;
};
