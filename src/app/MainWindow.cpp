// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "session/QuizProcedures.h"
#include "HelpPanel.h"
#include "session/FilePanel.h"
#include "services/SpeechService.h"
#include "session/Session.h"
#include "session/ProgramTitle.h"
#include "platform/BoundedLabel.h"
#include "platform/Centring.h"
#include "platform/ListBox.h"
#include "platform/SvgIcon.h"
#include "platform/PictureButton.h"
#include "platform/Shape.h"
#include "platform/Twips.h"
#include "platform/UiFont.h"
#include "quiz/VirtualKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <array>

using namespace Qt::StringLiterals;

namespace {

struct ButtonPlace
{
    PictureButton *MainWindow::*button;
    const char *name; // the control's object name
    const char *icon;
    const char16_t *toolTip;
    int left;
    int top;
};

// The fifteen picture buttons: two columns at the sides, one row along the bottom.
// clang-format off
constexpr std::array<ButtonPlace, 15> buttonPlaces{{
    {&MainWindow::quitButton, "Bild1", "beenden", u"Beenden", 120, 480},
    {&MainWindow::fileMenuButton, "Bild12", "dateimenue", u"Dateimenü", 120, 1560},
    {&MainWindow::workModeButton, "Bild10", "arbeitsmodus", u"Arbeitsmodus", 120, 2640},
    {&MainWindow::printButton, "Bild15", "drucken", u"Drucken", 120, 3720},
    {&MainWindow::copyButton, "Bild11", "ablage", u"Ablage", 120, 4800},
    {&MainWindow::questionCountButton, "Bild7", "einstellung", u"Einstellung", 8040, 480},
    {&MainWindow::helpButton, "Bild5", "hilfetext", u"Hilfetext", 8040, 1560},
    {&MainWindow::standardQuestionsButton, "Bild6", "loeschen", u"Löschen", 8040, 2640},
    {&MainWindow::aboutButton, "Bild14", "autor", u"Autor", 8040, 3720},
    {&MainWindow::editorButton, "Bild4", "editor", u"Editor", 8040, 4800},
    {&MainWindow::errorRateButton, "Bild8", "fehler", u"Fehler", 840, 5520},
    {&MainWindow::backButton, "Bild2", "zurueck", u"Zurück", 2760, 5520},
    {&MainWindow::confirmButton, "Bild13", "eingabe", u"Eingabe", 4080, 5520},
    {&MainWindow::forwardButton, "Bild3", "weiter", u"Weiter", 5400, 5520},
    {&MainWindow::solutionRateButton, "Bild9", "loesungen", u"Lösungen", 7320, 5520},
}};
// clang-format on

struct LabelLook
{
    QLabel *MainWindow::*label;
    const char *name; // the control's object name
    const char16_t *caption;
    std::array<int, 4> place; // left, top, width, height in twips
    const char *text;         // colours as #RRGGBB; "" for the window text colour
    const char *background;
    double pointSize;
    bool centred;
    bool wordWrap;
    bool border;
    bool visible;
};

// clang-format off
constexpr std::array<LabelLook, 10> labelLooks{{
    {&MainWindow::questionDisplay, "Bezeichnung1", u"Bezeichnung1", {840, 600, 6975, 2295}, "#000040", "#C0FFC0", 18, true, true, false, true},
    {&MainWindow::answerDisplay, "Bezeichnung2", u"Bezeichnung2", {840, 2880, 6975, 2295}, "#00FF00", "#C000C0", 18, true, true, false, true},
    {&MainWindow::workModeLabel, "Bezeichnung7", u"Quizmodus", {3480, 120, 1695, 375}, "#0000C0", "#80FFFF", 12, true, false, true, true},
    {&MainWindow::wrongCountLabel, "Bezeichnung8", u"0", {1440, 5640, 495, 255}, "", "#80FF80", 8.25, true, false, true, true},
    {&MainWindow::rightCountLabel, "Bezeichnung9", u"0", {6720, 5640, 495, 255}, "", "#80FF80", 8.25, true, false, true, true},
    {&MainWindow::standardNotice, "Bezeichnung10",
     u"Programm verwendet Standardfragen, bitte jetzt zuerst eine Datei über das Paket-Symbol auswählen und laden ...",
     {2040, 2400, 4695, 975}, "#FFFFFF", "#0000FF", 12, true, true, true, true},
    {&MainWindow::rightInSetLabel, "Bezeichnung3", u"", {6120, 0, 375, 255}, "", "", 8.25, false, false, false, false},
    {&MainWindow::lastChoiceRowLabel, "Bezeichnung4", u"", {6600, 0, 375, 255}, "", "", 8.25, false, false, false, false},
    {&MainWindow::browsePositionLabel, "Bezeichnung5", u"", {7080, 0, 375, 255}, "", "", 8.25, false, false, false, false},
    {&MainWindow::questionCountLabel, "Bezeichnung6", u"10", {7560, 0, 375, 255}, "", "", 8.25, false, false, false, false},
}};
// clang-format on

QString styleSheetFor(const LabelLook &look)
{
    QString style;
    if (*look.text)
        style += u"color: %1;"_s.arg(QLatin1String(look.text));
    if (*look.background)
        style += u"background-color: %1;"_s.arg(QLatin1String(look.background));
    if (look.border)
        style += u"border: 1px solid black;"_s;
    return style;
}

} // namespace

MainWindow::MainWindow(Session &session) : QWidget(nullptr), m_session(session)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(programTitle);
    setWindowIcon(svgIcon(u"zel-merkbold"_s));
    setFixedSize(Twips::toPixels(8670), Twips::toPixels(6645));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, Qt::white));
    setFont(uiFont());
    setFocusPolicy(Qt::StrongFocus);
    createControls();
    describeStateLabels();
    wireEvents();
    wireCommands();
    wireCardOutput();
    setUpFileBrowser();
}

void MainWindow::createControls()
{
    createShapes();
    createLabels();
    for (const ButtonPlace &place : buttonPlaces) {
        auto *button = new PictureButton(QLatin1String(place.icon),
                                         QString::fromUtf16(place.toolTip), this);
        button->move(Twips::toPixels(place.left), Twips::toPixels(place.top));
        button->setObjectName(QLatin1String(place.name));
        this->*place.button = button;
    }

    fileBrowser =
            new FilePanel(Twips::rect(480, 1320, 4365, 5295),
                          {Twips::rect(120, 120, 4095, 315), Twips::rect(120, 480, 4095, 1890),
                           Twips::rect(120, 2400, 4095, 2760)},
                          m_session.dialogs(), this);
    fileBrowser->setObjectName(u"Bild16"_s);

    choiceList = new ListBox(ListBox::Order::Sorted, this);
    choiceList->setObjectName(u"Liste2"_s);
    choiceList->setGeometry(Twips::rect(9000, 120, 1575, 6465));
    choiceList->setStyleSheet(u"background-color: #FFC0C0;"_s);
    choiceList->setFocusPolicy(Qt::NoFocus);
    choiceList->setAccessibleName(u"Angebotene Antworten"_s);

    startupTimer = new QTimer(this);
    startupTimer->setObjectName(u"Zeit1"_s);
    startupTimer->setInterval(100);
}

void MainWindow::createShapes()
{
    displayFrame = new Shape(Shape::Style::Outline, Qt::black, this);
    displayFrame->setObjectName(u"Figur3"_s);
    displayFrame->setTwipsGeometry(720, 360, 7215, 4935);
    progressTrack = new Shape(Shape::Style::Filled, QColor(0xC0FFC0), this);
    progressTrack->setObjectName(u"Figur2"_s);
    progressTrack->setTwipsGeometry(0, 6360, 8655, 255);
    progressBar = new Shape(Shape::Style::Filled, QColor(0xC000C0), this);
    progressBar->setObjectName(u"Figur1"_s);
    progressBar->setTwipsGeometry(0, 6360, 135, 255);
}

void MainWindow::createLabels()
{
    for (const LabelLook &look : labelLooks) {
        auto *label = new BoundedLabel(QString::fromUtf16(look.caption), this);
        label->setGeometry(Twips::rect(look.place[0], look.place[1], look.place[2], look.place[3]));
        label->setFont(uiFont(look.pointSize));
        label->setStyleSheet(styleSheetFor(look));
        label->setAlignment(look.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(look.wordWrap);
        label->setTextFormat(Qt::PlainText);
        label->setVisible(look.visible);
        label->setObjectName(QLatin1String(look.name));
        this->*look.label = label;
    }
    // Below the choice list, which covers it while it is closed.
    helpPanel = new HelpPanel(Twips::rect(9000, 600, 6975, 4575), questionDisplay->x(), this);
    helpPanel->setObjectName(u"Bezeichnung11"_s);
    helpPanel->setText(helpPanel->objectName()); // a new label's caption is its name
    // A click reads the text aloud, for children who do not read yet and for pronunciation.
    for (QLabel *display : {questionDisplay, answerDisplay}) {
        display->setToolTip(u"Zum Vorlesen anklicken"_s);
        display->setCursor(Qt::PointingHandCursor);
    }
    standardNotice->setCursor(Qt::PointingHandCursor);
    standardNotice->installEventFilter(this);
}

void MainWindow::wireEvents()
{
    connect(backButton, &PictureButton::clicked, this, &MainWindow::goBack);
    connect(forwardButton, &PictureButton::clicked, this, &MainWindow::goForward);
    connect(standardQuestionsButton, &PictureButton::clicked, this,
            &MainWindow::restoreStandardQuestions);
    connect(workModeButton, &PictureButton::clicked, this, &MainWindow::switchWorkMode);
    connect(confirmButton, &PictureButton::clicked, this, &MainWindow::confirmAnswer);
    connect(startupTimer, &QTimer::timeout, this, &MainWindow::applyStartupSettings);
    // The window sees every key before its controls do.
    qApp->installEventFilter(this);
}

void MainWindow::load()
{
    centreOnScreen(*this);
    QuizProcedures::loadStandardQuestions(m_session);
    startupTimer->start();
}

QuizState MainWindow::quizState()
{
    return QuizState({questionDisplay, answerDisplay, rightInSetLabel, lastChoiceRowLabel,
                      browsePositionLabel, questionCountLabel, workModeLabel, wrongCountLabel,
                      rightCountLabel, standardNotice, choiceList, progressBar});
}

void MainWindow::dismissStandardNotice()
{
    standardNotice->hide();
    toggleFileBrowser();
}

void MainWindow::handleKey(int keyCode)
{
    if (keyCode == VirtualKey::Escape)
        quit();
    if (keyCode == VirtualKey::Left || keyCode == VirtualKey::Up)
        goBack();
    if (keyCode == VirtualKey::Right || keyCode == VirtualKey::Down)
        goForward();
    if (keyCode == VirtualKey::Enter || keyCode == VirtualKey::Execute)
        confirmAnswer();
    if (keyCode == VirtualKey::Insert)
        switchWorkMode();
    if (keyCode == VirtualKey::F1)
        toggleHelp();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == standardNotice && event->type() == QEvent::MouseButtonRelease) {
        dismissStandardNotice();
        return true;
    }
    if ((watched == questionDisplay || watched == answerDisplay)
        && event->type() == QEvent::MouseButtonRelease) {
        m_session.speech().say(static_cast<QLabel *>(watched)->text(), readingLanguage());
        return true;
    }
    if (watched == helpPanel && event->type() == QEvent::MouseButtonRelease) {
        closeHelp();
        return true;
    }
    // A key reaches first the focused control of this window, or the window itself; only that
    // first delivery counts, not the copies passed on to parents.
    if (event->type() == QEvent::KeyPress && isVisible()) {
        QWidget *firstReceiver = focusWidget() ? focusWidget() : this;
        if (watched == firstReceiver)
            handleKey(virtualKeyCode(static_cast<QKeyEvent *>(event)->key()));
    }
    return false;
}
