// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchProgram.h"

#include "platform/ListBox.h"

#include <QDir>

BenchProgram::BenchProgram() : m_folderPath(m_folder.path()), m_previousDir(QDir::currentPath())
{
    QDir::setCurrent(m_folderPath);
    m_program = std::make_unique<Program>(
            Services{m_dialogs, m_random, m_printer, m_clipboard, m_speech});
    m_program->start();
}

BenchProgram::~BenchProgram()
{
    m_program.reset();
    QDir::setCurrent(m_previousDir);
}

void BenchProgram::setCatalogue(const QStringList &questions, const QStringList &answers)
{
    m_program->catalogue().replace(questions, answers);
}
