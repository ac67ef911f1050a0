// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class CheckBox;
class DirListBox;
class DriveListBox;
class FileListBox;
class ListBox;
class PictureButton;
class Program;
class QLabel;
class QLineEdit;
class QPushButton;
class Shape;
enum class OutputMode;

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
    ListBox *Liste3 = nullptr; // the output layouts, hidden

    // Picture buttons: a strip along the top, a column down the right side.
    PictureButton *Bild1 = nullptr;  // "Abbruch"
    PictureButton *Bild2 = nullptr;  // "Antwort löschen"
    PictureButton *Bild3 = nullptr;  // "Listen speichern"
    PictureButton *Bild4 = nullptr;  // "Eingaben sichern"
    PictureButton *Bild5 = nullptr;  // "Drucken ..."
    PictureButton *Bild6 = nullptr;  // "Hilfetext"
    PictureButton *Bild7 = nullptr;  // "Abbruch mit Laden"
    PictureButton *Bild8 = nullptr;  // "Frage löschen"
    PictureButton *Bild9 = nullptr;  // "Ablage ..."
    PictureButton *Bild10 = nullptr; // "Neue Datei"
    PictureButton *Bild11 = nullptr; // "Zeile löschen"
    PictureButton *Bild12 = nullptr; // "Dateimenü"

    QWidget *Bild13 = nullptr;          // file panel, hidden
    DriveListBox *Laufwerk1 = nullptr;  // in the file panel
    DirListBox *Verzeichnis1 = nullptr; // in the file panel
    FileListBox *Datei1 = nullptr;      // in the file panel, "*.TXT"

    QLineEdit *Text1 = nullptr;     // question input, one line
    QLineEdit *Text2 = nullptr;     // answer input, one line
    QPushButton *Befehl1 = nullptr; // "X": no standard file
    CheckBox *Kontroll1 = nullptr;  // " Ausdrucken erlauben"
    CheckBox *Kontroll2 = nullptr;  // " Laufwerke abblenden"

    QLabel *Bezeichnung1 = nullptr; // "FRAGE:"
    QLabel *Bezeichnung2 = nullptr; // "Antwort:"
    QLabel *Bezeichnung3 = nullptr; // "Standarddatei:"
    QLabel *Bezeichnung4 = nullptr; // the standard file name

    Shape *Figur1 = nullptr; // band around the button strip
    Shape *Figur2 = nullptr; // band around the lists
    Shape *Figur3 = nullptr; // band around the input boxes
    Shape *Figur4 = nullptr; // frame of the standard file labels

    // Both lists stay on the same row, whichever was clicked or set from code.
    void Liste1_Click();
    void Liste2_Click();

    // Pair editing (Form2Editing.cpp).
    void Liste1_DblClick(); // take the selected pair into the input boxes
    void Liste2_DblClick();
    void Bild4_Click();  // add the typed pair
    void Bild8_Click();  // empty the question input
    void Bild2_Click();  // empty the answer input
    void Bild11_Click(); // delete the selected pair

    // The folder lists of the file panel follow each other (Form2.cpp).
    void Laufwerk1_Change();
    void Verzeichnis1_Change();

    // Writes the standard file name and the two switches to the settings file; a failure is
    // reported and the caller goes on (Form2Settings.cpp).
    void EinstellungenSchreiben();

    // Prints or copies the catalogue in the layout chosen, by the list's mode (LayoutOutput.cpp).
    void Liste3_DblClick();

    // The file panel, loading into the editor, the standard file, a new catalogue (Form2Files.cpp).
    void Bild12_Click();       // show or hide the file panel
    void Datei1_DblClick();    // load the selected file into the editor
    void Bezeichnung3_Click(); // the selected file becomes the standard file
    void Bezeichnung4_Click();
    void Befehl1_Click(); // no standard file
    void Bild10_Click();  // empty the catalogue for a new one

    // Saves the catalogue under a name the user types (Form2Saving.cpp).
    void Bild3_Click();

    // The layout list: opened for printing or copying, refilled on every activation
    // (Form2LayoutList.cpp).
    void Bild5_Click();
    void Bild9_Click();
    void Form_Activate();

    // Help and the two ways out (Form2Leaving.cpp).
    void Bild6_Click(); // help message
    void Bild1_Click(); // back to the standard questions, the settings written
    void Bild7_Click(); // back to the quiz with the edited catalogue

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

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
    void openOrCloseLayoutList(OutputMode mode);

    Program &m_program;
    // Pairs were added or deleted, or the catalogue emptied, since the main window's choice list
    // was last filled; it may then offer no right answer, and leaving with the catalogue builds a
    // new practice set. The choice list is filled only while the editor is hidden or by its own
    // load, and leaving settles the matter, so the flag is false whenever the editor is hidden.
    bool m_catalogueEdited = false;
};
