// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include "MainWindow.h"
#include "about/AboutBox.h"
#include "editor/EditorWindow.h"

#include <QCoreApplication>

Program::Program(Services services)
    : m_services(services), m_endHandler([] { QCoreApplication::exit(0); })
{ }

// The main window goes first: it works on the editor's lists until it is gone.
Program::~Program()
{
    m_mainWindow.reset();
    m_editorWindow.reset();
}

MainWindow &Program::mainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<MainWindow>(*this);
        m_mainWindow->load();
    }
    return *m_mainWindow;
}

EditorWindow &Program::editorWindow()
{
    if (!m_editorWindow) {
        m_editorWindow = std::make_unique<EditorWindow>(*this);
        m_editorWindow->load();
    }
    return *m_editorWindow;
}

AboutBox &Program::aboutBox()
{
    if (!m_aboutBox)
        m_aboutBox = std::make_unique<AboutBox>();
    return *m_aboutBox;
}

QuizState Program::quizState()
{
    return mainWindow().quizState();
}

CatalogueLists Program::catalogue()
{
    return editorWindow().catalogue();
}

SettingsControls Program::settings()
{
    return editorWindow().settings();
}

FilePanel &Program::quizFilePanel()
{
    return mainWindow().filePanel();
}

void Program::showEditor()
{
    mainWindow().hide();
    editorWindow().show();
}

void Program::showQuiz()
{
    editorWindow().hide();
    mainWindow().show();
}

void Program::showAboutBox()
{
    AboutBox &about = aboutBox();
    about.show();
    about.raise();
    about.activateWindow();
}

void Program::start()
{
    mainWindow().show();
}

void Program::endProgram()
{
    m_endHandler();
}

void Program::setEndHandler(std::function<void()> handler)
{
    m_endHandler = std::move(handler);
}
