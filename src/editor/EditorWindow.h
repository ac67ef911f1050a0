// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/CatalogueLists.h"

#include <QWidget>

struct CatalogueReadResult;
class CheckBox;
class DirListBox;
class DriveListBox;
class FileListBox;
class ListBox;
class PictureButton;
class FilePanel;
class Session;
class QLabel;
class QLineEdit;
class QPushButton;
class Shape;
enum class OutputMode;

// The editor window. Its two lists are the live catalogue of the whole program: pair i is row
// i of questionList (question) and of answerList (answer). It is created hidden at start-up and
// only ever shown and hidden.
class EditorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit EditorWindow(Session &session);

    // Run once by the program right after creation.
    void load();

    // The live catalogue this window's lists hold.
    CatalogueLists catalogue();

    ListBox *questionList = nullptr; // questions
    ListBox *answerList = nullptr;   // answers
    ListBox *layoutList = nullptr;   // the output layouts, hidden

    // Picture buttons: a strip along the top, a column down the right side.
    PictureButton *cancelButton = nullptr;        // "Abbruch"
    PictureButton *clearAnswerButton = nullptr;   // "Antwort löschen"
    PictureButton *saveButton = nullptr;          // "Listen speichern"
    PictureButton *addPairButton = nullptr;       // "Eingaben sichern"
    PictureButton *printLayoutButton = nullptr;   // "Drucken ..."
    PictureButton *helpButton = nullptr;          // "Hilfetext"
    PictureButton *returnButton = nullptr;        // "Abbruch mit Laden"
    PictureButton *clearQuestionButton = nullptr; // "Frage löschen"
    PictureButton *copyLayoutButton = nullptr;    // "Ablage ..."
    PictureButton *newCatalogueButton = nullptr;  // "Neue Datei"
    PictureButton *deletePairButton = nullptr;    // "Zeile löschen"
    PictureButton *fileMenuButton = nullptr;      // "Dateimenü"

    FilePanel *filePanel = nullptr;    // file panel, hidden
    DriveListBox *driveList = nullptr; // in the file panel
    DirListBox *folderList = nullptr;  // in the file panel
    FileListBox *fileList = nullptr;   // in the file panel, "*.TXT"

    QLineEdit *questionInput = nullptr;          // question input, one line
    QLineEdit *answerInput = nullptr;            // answer input, one line
    QPushButton *noStandardFileButton = nullptr; // "X": no standard file
    CheckBox *allowPrinting = nullptr;           // " Ausdrucken erlauben"
    CheckBox *hideDrives = nullptr;              // " Laufwerke abblenden"

    QLabel *questionCaption = nullptr;     // "FRAGE:"
    QLabel *answerCaption = nullptr;       // "Antwort:"
    QLabel *standardFileCaption = nullptr; // "Standarddatei:"
    QLabel *standardFileName = nullptr;    // the standard file name

    Shape *buttonBand = nullptr;        // band around the button strip
    Shape *listBand = nullptr;          // band around the lists
    Shape *inputBand = nullptr;         // band around the input boxes
    Shape *standardFileFrame = nullptr; // frame of the standard file labels

    // Both lists stay on the same row, whichever was clicked or set from code.
    void followQuestionRow();
    void followAnswerRow();

    // Pair editing (EditorWindowEditing.cpp).
    void takePairFromQuestions(); // take the selected pair into the input boxes
    void takePairFromAnswers();
    void addPair();       // add the typed pair
    void clearQuestion(); // empty the question input
    void clearAnswer();   // empty the answer input
    void deletePair();    // delete the selected pair

    // The folder lists of the file panel follow each other (EditorWindow.cpp).

    // Writes the standard file name and the two switches to the settings file; a failure is
    // reported and the caller goes on (EditorWindowSettings.cpp).
    void writeSettings();

    // Prints or copies the catalogue in the layout chosen, by the list's mode (LayoutOutput.cpp).
    void outputChosenLayout();

    // The file panel, loading into the editor, the standard file, a new catalogue
    // (EditorWindowFiles.cpp).
    void toggleFilePanel();   // show or hide the file panel
    void loadSelectedFile();  // load the selected file into the editor
    void clearStandardFile(); // no standard file
    void startNewCatalogue(); // empty the catalogue for a new one

    // Saves the catalogue under a name the user types (EditorWindowSaving.cpp).
    void saveCatalogue();

    // The layout list: opened for printing or copying, refilled on every activation
    // (EditorWindowLayoutList.cpp).
    void openLayoutListForPrinting();
    void openLayoutListForCopying();
    void refillLayoutList();

    // Help and the two ways out (EditorWindowLeaving.cpp).
    void showHelp();                 // help message
    void leaveToStandardQuestions(); // back to the standard questions, the settings written
    void leaveWithCatalogue();       // back to the quiz with the edited catalogue

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createButtons();
    void createLabels();
    void createInputs();
    void createShapes();
    void createFilePanel();
    void wireEditing();
    void wireLayoutOutput();
    void takePairFrom(const ListBox *list);
    void wireFiles();
    void wireSaving();
    void setUpLayoutList();
    void wireLeaving();
    void makeSelectedFileStandard();
    // What a double-click in the file panel and a drop on the window share: the pairs of a
    // catalogue or word list replace the catalogue, and `fileName` titles the count message.
    void takeCatalogue(CatalogueReadResult read, const QString &fileName);
    void openOrCloseLayoutList(OutputMode mode);

    Session &m_session;
    // Pairs were added or deleted, or the catalogue emptied, since the main window's choice list
    // was last filled; it may then offer no right answer, and leaving with the catalogue builds a
    // new practice set. The choice list is filled only while the editor is hidden or by its own
    // load, and leaving settles the matter, so the flag is false whenever the editor is hidden.
    bool m_catalogueEdited = false;
    int m_pairsUsedUp = 0; // see CatalogueLists
};
