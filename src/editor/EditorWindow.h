// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/CatalogueLists.h"
#include "session/SettingsControls.h"

#include <QWidget>

struct CatalogueReadResult;
class CatalogueDrop;
class CheckBox;
class FilePanel;
class ListBox;
class Session;
class QLabel;
class QLineEdit;
class QUndoStack;
enum class OutputMode;

// The editor window. Its two lists are the live catalogue of the whole program: pair i is row
// i of the question list and of the answer list. Its standard-file label and two check boxes
// hold the settings. It is created hidden at start-up and only ever shown and hidden.
class EditorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit EditorWindow(Session &session);

    // Run once by the program right after creation.
    void load();

    // The live catalogue and the settings this window's controls hold.
    CatalogueLists catalogue();
    SettingsControls settings();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createInputs();
    void createSettingsControls();
    void createFilePanel();
    void createHistory();
    // Ctrl+Z and Ctrl+Y: in an input box its typing, elsewhere the catalogue's last change.
    void undo();
    void redo();

    // Both lists stay on the same row, whichever was clicked or set from code.
    void followQuestionRow();
    void followAnswerRow();

    // Pair editing (EditorWindowEditing.cpp).
    void takePairFrom(const ListBox *list); // the double-clicked pair into the input boxes
    void addPair();                         // "Eingaben sichern"
    void clearQuestion();                   // "Frage löschen"
    void clearAnswer();                     // "Antwort löschen"
    void deletePair();                      // "Zeile löschen"

    // The file panel, loading, the standard file, a new catalogue (EditorWindowFiles.cpp).
    void toggleFilePanel();  // "Dateimenü"
    void loadSelectedFile(); // a double-click in the file list
    // What a double-click in the file list and a drop on the window share: the pairs of a
    // catalogue or word list replace the catalogue, and `fileName` titles the count message.
    void takeCatalogue(CatalogueReadResult read, const QString &fileName);
    void makeSelectedFileStandard(); // a click on the standard-file field
    void clearStandardFile();        // "X"
    void startNewCatalogue();        // "Neue Datei"

    // The catalogue to a file, the settings to theirs (EditorWindowSaving.cpp).
    void saveCatalogue(); // "Listen speichern"
    // A failure is reported, and the caller goes on.
    void writeSettings();

    // The layout list and what it prints or copies (EditorWindowLayoutList.cpp).
    void openLayoutListForPrinting(); // "Drucken ..."
    void openLayoutListForCopying();  // "Ablage ..."
    void openOrCloseLayoutList(OutputMode mode);
    void refillLayoutList();
    void outputChosenLayout(); // a double-click in the layout list

    // Help and the two ways out (EditorWindowLeaving.cpp).
    void showHelp();                 // "Hilfetext"
    void leaveToStandardQuestions(); // "Abbruch": the settings written
    void leaveWithCatalogue();       // "Abbruch mit Laden", and the window frame

    Session &m_session;

    ListBox *m_questionList = nullptr;
    ListBox *m_answerList = nullptr;
    ListBox *m_layoutList = nullptr; // the output layouts, hidden until asked for
    QLineEdit *m_questionInput = nullptr;
    QLineEdit *m_answerInput = nullptr;
    QLabel *m_standardFileCaption = nullptr; // "Standarddatei:", clicked like the name
    QLabel *m_standardFileName = nullptr;
    CheckBox *m_allowPrinting = nullptr; // " Ausdrucken erlauben"
    CheckBox *m_hideDrives = nullptr;    // " Laufwerke abblenden"
    FilePanel *m_filePanel = nullptr;    // hidden until asked for
    // The editor's changes to the catalogue, to be taken back; empty each time the window is
    // shown, since the catalogue changes elsewhere only while it is hidden.
    QUndoStack *m_history = nullptr;

    // Pairs were added or deleted, or the catalogue emptied, since the main window's choice list
    // was last filled; it may then offer no right answer, and leaving with the catalogue builds a
    // new practice set. The choice list is filled only while the editor is hidden or by its own
    // load, and leaving settles the matter, so the flag is false whenever the editor is hidden.
    bool m_catalogueEdited = false;
    CatalogueLists::Record m_catalogueRecord;
};
