// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "HelpPanel.h"
#include "platform/BoundedLabel.h"
#include "platform/Centring.h"
#include "platform/ListBox.h"
#include "platform/Palette.h"
#include "platform/Shape.h"
#include "platform/Twips.h"
#include "platform/WindowKit.h"
#include "services/SpeechService.h"
#include "session/ProgramTitle.h"
#include "session/QuizProcedures.h"
#include "session/Session.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(Session &session) : QWidget(nullptr), m_session(session)
{
    WindowKit::setUpWindow(*this, u"Form1"_s, programTitle, 8670, 6645, Palette::white);
    setFocusPolicy(Qt::StrongFocus);
    createControls();
    createFileBrowser();
    // The window sees every key before its controls do.
    qApp->installEventFilter(this);
}

// Back to front: the frame and the bar, the labels, the help panel, the buttons, the browser.
void MainWindow::createControls()
{
    using namespace WindowKit;
    using namespace Palette;
    using Self = MainWindow;
    constexpr Qt::Alignment centred = Qt::AlignCenter;
    constexpr Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    constexpr LabelTraits framed = LabelTrait::Border;
    constexpr LabelTraits hidden = LabelTrait::Hidden;
    // clang-format off
    makeAll<ShapeLook>(*this, {
        {"Figur3", Shape::Style::Outline, black, {720, 360, 7215, 4935}},
        {"Figur2", Shape::Style::Filled, lightGreen, {0, 6360, 8655, 255}},
    });
    makeInto<Self, Shape, ShapeLook>(*this, {
        {&Self::m_progressBar, {"Figur1", Shape::Style::Filled, purple, {0, 6360, 135, 255}}},
    });
    makeInto<Self, QLabel, LabelLook>(*this, {
        {&Self::m_questionDisplay, {"Bezeichnung1", u"Bezeichnung1", {840, 600, 6975, 2295}, nightBlue, lightGreen, 18, centred, LabelTrait::WordWrap}},
        {&Self::m_answerDisplay, {"Bezeichnung2", u"Bezeichnung2", {840, 2880, 6975, 2295}, green, purple, 18, centred, LabelTrait::WordWrap}},
        {&Self::m_workModeLabel, {"Bezeichnung7", u"Quizmodus", {3480, 120, 1695, 375}, darkBlue, lightCyan, 12, centred, framed}},
        {&Self::m_wrongCountLabel, {"Bezeichnung8", u"0", {1440, 5640, 495, 255}, inherited, paleGreen, 8.25, centred, framed}},
        {&Self::m_rightCountLabel, {"Bezeichnung9", u"0", {6720, 5640, 495, 255}, inherited, paleGreen, 8.25, centred, framed}},
        {&Self::m_standardNotice, {"Bezeichnung10", u"Programm verwendet Standardfragen, bitte jetzt zuerst eine Datei über das Paket-Symbol auswählen und laden ...",
                                   {2040, 2400, 4695, 975}, white, blue, 12, centred, LabelTrait::WordWrap | framed}},
        {&Self::m_rightInSetLabel, {"Bezeichnung3", u"", {6120, 0, 375, 255}, inherited, inherited, 8.25, topLeft, hidden}},
        {&Self::m_lastChoiceRowLabel, {"Bezeichnung4", u"", {6600, 0, 375, 255}, inherited, inherited, 8.25, topLeft, hidden}},
        {&Self::m_browsePositionLabel, {"Bezeichnung5", u"", {7080, 0, 375, 255}, inherited, inherited, 8.25, topLeft, hidden}},
        {&Self::m_questionCountLabel, {"Bezeichnung6", u"10", {7560, 0, 375, 255}, inherited, inherited, 8.25, topLeft, hidden}},
    });
    // clang-format on
    // Below the choice list, which covers it while it is closed.
    m_helpPanel = new HelpPanel(Twips::rect(9000, 600, 6975, 4575), m_questionDisplay->x(), this);
    m_helpPanel->setObjectName(u"Bezeichnung11"_s);
    m_helpPanel->setText(m_helpPanel->objectName()); // a new label's caption is its name
    // clang-format off
    // Two columns at the sides, one row along the bottom.
    makeButtons<Self>(*this, {
        {&Self::quit, {"Bild1", "beenden", u"Beenden", {120, 480, 495, 495}}},
        {&Self::toggleFileBrowser, {"Bild12", "dateimenue", u"Dateimenü", {120, 1560, 495, 495}}},
        {&Self::switchWorkMode, {"Bild10", "arbeitsmodus", u"Arbeitsmodus", {120, 2640, 495, 495}}},
        {&Self::printCards, {"Bild15", "drucken", u"Drucken", {120, 3720, 495, 495}}},
        {&Self::copyCards, {"Bild11", "ablage", u"Ablage", {120, 4800, 495, 495}}},
        {&Self::askQuestionCount, {"Bild7", "einstellung", u"Einstellung", {8040, 480, 495, 495}}},
        {&Self::toggleHelp, {"Bild5", "hilfetext", u"Hilfetext", {8040, 1560, 495, 495}}},
        {&Self::restoreStandardQuestions, {"Bild6", "loeschen", u"Löschen", {8040, 2640, 495, 495}}},
        {&Self::showAboutBox, {"Bild14", "autor", u"Autor", {8040, 3720, 495, 495}}},
        {&Self::openEditor, {"Bild4", "editor", u"Editor", {8040, 4800, 495, 495}}},
        {&Self::showErrorRate, {"Bild8", "fehler", u"Fehler", {840, 5520, 495, 495}}},
        {&Self::goBack, {"Bild2", "zurueck", u"Zurück", {2760, 5520, 495, 495}}},
        {&Self::confirmAnswer, {"Bild13", "eingabe", u"Eingabe", {4080, 5520, 495, 495}}},
        {&Self::goForward, {"Bild3", "weiter", u"Weiter", {5400, 5520, 495, 495}}},
        {&Self::showSolutionRate, {"Bild9", "loesungen", u"Lösungen", {7320, 5520, 495, 495}}},
    });
    // clang-format on

    // A screen reader reads a label's text as its name; the description says what the text is,
    // so a counter is heard as "1, Falsche Antworten" rather than as a bare number.
    m_questionDisplay->setAccessibleDescription(u"Frage"_s);
    m_answerDisplay->setAccessibleDescription(u"Antwort"_s);
    m_workModeLabel->setAccessibleDescription(u"Arbeitsmodus"_s);
    m_wrongCountLabel->setAccessibleDescription(u"Falsche Antworten"_s);
    m_rightCountLabel->setAccessibleDescription(u"Richtige Antworten"_s);
    // A click reads the text aloud, for children who do not read yet and for pronunciation.
    for (QLabel *display : {m_questionDisplay, m_answerDisplay}) {
        display->setToolTip(u"Zum Vorlesen anklicken"_s);
        display->setCursor(Qt::PointingHandCursor);
    }
    m_standardNotice->setCursor(Qt::PointingHandCursor);
}

void MainWindow::load()
{
    centreOnScreen(*this);
    QuizProcedures::loadStandardQuestions(m_session);
    m_startupTimer->start();
}

QuizState MainWindow::quizState()
{
    return QuizState({m_questionDisplay, m_answerDisplay, m_rightInSetLabel, m_lastChoiceRowLabel,
                      m_browsePositionLabel, m_questionCountLabel, m_workModeLabel,
                      m_wrongCountLabel, m_rightCountLabel, m_standardNotice, m_choiceList,
                      m_progressBar});
}

FilePanel &MainWindow::filePanel()
{
    return *m_fileBrowser;
}

// The keys are tested one after the other, whatever Shift, Ctrl and Alt say; none is swallowed.
void MainWindow::handleKey(int qtKey)
{
    if (qtKey == Qt::Key_Escape)
        quit();
    if (qtKey == Qt::Key_Left || qtKey == Qt::Key_Up)
        goBack();
    if (qtKey == Qt::Key_Right || qtKey == Qt::Key_Down)
        goForward();
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter || qtKey == Qt::Key_Execute)
        confirmAnswer();
    if (qtKey == Qt::Key_Insert)
        switchWorkMode();
    if (qtKey == Qt::Key_F1)
        toggleHelp();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_standardNotice) {
            dismissStandardNotice();
            return true;
        }
        // Each display is read in the language of its side of the catalogue.
        if (watched == m_questionDisplay) {
            m_session.speech().say(m_questionDisplay->text(),
                                   m_session.catalogue().questionLanguage());
            return true;
        }
        if (watched == m_answerDisplay) {
            m_session.speech().say(m_answerDisplay->text(), m_session.catalogue().answerLanguage());
            return true;
        }
        if (watched == m_helpPanel) {
            m_helpPanel->close();
            return true;
        }
    }
    // A key reaches first the focused control of this window, or the window itself; only that
    // first delivery counts, not the copies passed on to parents.
    if (event->type() == QEvent::KeyPress && isVisible()) {
        QWidget *firstReceiver = focusWidget() ? focusWidget() : this;
        if (watched == firstReceiver)
            handleKey(static_cast<QKeyEvent *>(event)->key());
    }
    return false;
}
