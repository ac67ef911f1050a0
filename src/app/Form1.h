// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class DirListBox;
class DriveListBox;
class FileListBox;
class ListBox;
class PictureButton;
class Program;
class QLabel;
class QTimer;
class Shape;

// The main window: the quiz screen. Its controls are the quiz state; the hidden labels hold
// numbers as captions (see MODUL1 for who writes which).
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Program &program);

    // Run once by Program right after creation, before the window is first shown.
    void Form_Load();

    // Builds the next practice set from the remaining catalogue.
    void AuswahlBilden();

    // Picture buttons.
    PictureButton *Bild1 = nullptr;     // "Beenden"
    PictureButton *Bild2 = nullptr;     // "Zurück"
    PictureButton *Bild3 = nullptr;     // "Weiter"
    PictureButton *Bild4 = nullptr;     // "Editor"
    PictureButton *Bild5 = nullptr;     // "Hilfetext"
    PictureButton *Bild6 = nullptr;     // "Löschen"
    PictureButton *Bild7 = nullptr;     // "Einstellung"
    PictureButton *Bild8 = nullptr;     // "Fehler"
    PictureButton *Bild9 = nullptr;     // "Lösungen"
    PictureButton *Bild10 = nullptr;    // "Arbeitsmodus"
    PictureButton *Bild11 = nullptr;    // "Ablage"
    PictureButton *Bild12 = nullptr;    // "Dateimenü"
    PictureButton *Bild13 = nullptr;    // "Eingabe"
    PictureButton *Bild14 = nullptr;    // "Autor"
    PictureButton *Bild15 = nullptr;    // "Drucken"
    QWidget *Bild16 = nullptr;          // file-browser panel, hidden
    DriveListBox *Laufwerk1 = nullptr;  // in the file-browser panel
    DirListBox *Verzeichnis1 = nullptr; // in the file-browser panel
    FileListBox *Datei1 = nullptr;      // in the file-browser panel, "*.TXT"

    QLabel *Bezeichnung1 = nullptr;  // question shown
    QLabel *Bezeichnung2 = nullptr;  // answer shown
    QLabel *Bezeichnung3 = nullptr;  // right answers in the practice set (hidden)
    QLabel *Bezeichnung4 = nullptr;  // last row of the choice list (hidden)
    QLabel *Bezeichnung5 = nullptr;  // browse position (hidden)
    QLabel *Bezeichnung6 = nullptr;  // question count per practice set (hidden)
    QLabel *Bezeichnung7 = nullptr;  // work mode
    QLabel *Bezeichnung8 = nullptr;  // wrong answers
    QLabel *Bezeichnung9 = nullptr;  // right answers
    QLabel *Bezeichnung10 = nullptr; // standard-questions notice
    QLabel *Bezeichnung11 = nullptr; // help panel text

    ListBox *Liste2 = nullptr; // choice list, sorted
    Shape *Figur1 = nullptr;   // progress bar
    Shape *Figur2 = nullptr;   // progress track
    Shape *Figur3 = nullptr;   // frame around question and answer
    QTimer *Zeit1 = nullptr;   // one-shot start-up timer

    // Control events.
    void Bild2_Click();  // back
    void Bild3_Click();  // forward
    void Bild6_Click();  // back to the standard questions
    void Bild10_Click(); // switch the work mode
    void Bild13_Click(); // judge the shown answer
    void Bild11_Click(); // copy the current cards to the clipboard
    void Bild15_Click(); // print the current cards, questions then answers
    void Bezeichnung10_Click();
    void Form_KeyDown(int keyCode);

    // Main-window commands.
    void Bild1_Click();         // quit after confirmation
    void Bild4_Click();         // the editor, behind the password
    void Bild5_Click();         // open or close the help panel
    void Bild7_Click();         // question count per practice set
    void Bild8_Click();         // error rate
    void Bild9_Click();         // solution rate
    void Bild14_Click();        // about box
    void Bezeichnung11_Click(); // closes the help panel

    // The file browser (FileBrowser.cpp).
    void Bild12_Click(); // open or close the browser
    void Laufwerk1_Change();
    void Verzeichnis1_Change();
    void Datei1_Click(); // load the selected catalogue file

    // Start-up settings (StartupSettings.cpp).
    void Zeit1_Timer();
    void EinstellungenLesen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createLabels();
    void createShapes();
    void wireEvents();
    void wireCommands();
    bool quitConfirmed();
    void wireCardOutput();
    void setUpFileBrowser();
    void describeStateLabels();

    Program &m_program;
};
