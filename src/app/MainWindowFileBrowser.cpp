// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file browser: picking a catalogue file, or dropping one on the window,
// replaces the live catalogue and starts a new practice set over it. The settings read shortly
// after start-up name the catalogue loaded first.
#include "MainWindow.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/SettingsFile.h"
#include "platform/ListBox.h"
#include "platform/Palette.h"
#include "platform/Twips.h"
#include "platform/WindowKit.h"
#include "services/RandomSource.h"
#include "session/CatalogueDrop.h"
#include "session/FilePanel.h"
#include "session/ProgramTitle.h"
#include "session/QuizProcedures.h"
#include "session/Session.h"

#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

// The choice list lies beside the window, out of view: it is state, not something to look at.
void MainWindow::createFileBrowser()
{
    m_fileBrowser =
            new FilePanel(Twips::rect(480, 1320, 4365, 5295),
                          {Twips::rect(120, 120, 4095, 315), Twips::rect(120, 480, 4095, 1890),
                           Twips::rect(120, 2400, 4095, 2760)},
                          m_session.dialogs(), this);
    m_fileBrowser->setObjectName(u"Bild16"_s);
    m_fileBrowser->raise();
    connect(m_fileBrowser, &FilePanel::fileClicked, this, &MainWindow::loadSelectedFile);
    // The main window takes catalogues only; word lists are turned into pairs in the editor.
    new CatalogueDrop(*this, {DroppedFileKind::Catalogue}, m_session,
                      [this](CatalogueReadResult read, const QString &name) {
                          takeCatalogue(std::move(read), name);
                      });

    m_choiceList = WindowKit::makeControl(*this,
                                          WindowKit::ListLook{"Liste2",
                                                              ListBox::Order::Sorted,
                                                              {9000, 120, 1575, 6465},
                                                              Palette::inherited,
                                                              Palette::lightRed,
                                                              u"Angebotene Antworten"});
    m_choiceList->setFocusPolicy(Qt::NoFocus);

    m_startupTimer = new QTimer(this);
    m_startupTimer->setObjectName(u"Zeit1"_s);
    m_startupTimer->setInterval(100);
    connect(m_startupTimer, &QTimer::timeout, this, &MainWindow::applyStartupSettings);
}

void MainWindow::dismissStandardNotice()
{
    m_standardNotice->hide();
    toggleFileBrowser();
}

// The layout is decided each time the browser opens, by the editor's switch " Laufwerke
// abblenden": 1 shows the file list alone, 0 all three lists, greyed leaves them as they are.
void MainWindow::toggleFileBrowser()
{
    m_standardNotice->hide();
    if (m_fileBrowser->isVisible()) {
        m_fileBrowser->hide();
        return;
    }
    const int hideDrives = m_session.settings().hideDrives();
    if (hideDrives == 0)
        m_fileBrowser->arrangeAllLists(Twips::rect(120, 2400, 4095, 2760));
    else if (hideDrives == 1)
        m_fileBrowser->arrangeFileListAlone(Twips::rect(120, 120, 4095, 4905));
    m_fileBrowser->show();
}

// Any change of the selected file, by the user or from code, and a user's click on the
// selected file load it.
void MainWindow::loadSelectedFile()
{
    if (std::optional<CatalogueReadResult> read = m_fileBrowser->readSelectedCatalogue())
        takeCatalogue(std::move(*read), m_fileBrowser->selectedName());
}

// A file that cannot be read completely keeps the pairs read before the failure; a load that
// accepts no pair leaves the catalogue empty and reports 0.
void MainWindow::takeCatalogue(CatalogueReadResult read, const QString &fileName)
{
    m_fileBrowser->hide();
    const qsizetype pairCount = read.pairs.questions.size();
    RandomSource &random = m_session.random();
    m_choiceList->setTexts(QuizRules::loadedFileChoices(
            read.pairs.answers, quizState().questionCount(), [&random] { return random.next(); }));
    m_session.catalogue().replace(std::move(read.pairs.questions), std::move(read.pairs.answers));
    const bool complete = read.outcome == ReadOutcome::Complete;
    setWindowTitle(complete ? programTitle + u"  ( "_s + fileName + u" )"_s : programTitle);

    QuizProcedures::startPractice(m_session);
    QuizProcedures::reportLoad(m_session, fileName, pairCount, read.error);
}

// Switched off first: the loads below show message boxes, whose event loop would otherwise
// let the timer run the reading again.
void MainWindow::applyStartupSettings()
{
    m_startupTimer->stop();
    readStartupSettings();
}

// A missing or unusable file gives the defaults silently. The default catalogue is looked
// for among the names the main window's file list shows, letter case ignored; every match is
// selected in turn, and each selection loads its file.
void MainWindow::readStartupSettings()
{
    const Settings settings = readSettingsFile(settingsFileName.toString());
    m_session.settings().setSettings(settings);
    const QString wanted = settings.defaultCatalogue.toUpper();
    if (wanted.isEmpty())
        return;
    m_standardNotice->hide();
    const QStringList names = m_fileBrowser->fileNames();
    for (int row = 0; row < names.size(); ++row) {
        if (names[row].toUpper() == wanted)
            m_fileBrowser->selectFile(row);
    }
}
