// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>

// The work mode is the caption of MainWindow.workModeLabel, compared as exact text: a caption that
// is neither of the two matches neither.
namespace WorkMode {

inline const QString quiz = QStringLiteral("Quizmodus");
inline const QString learn = QStringLiteral("Lernmodus");

inline bool isQuiz(const QLabel *modeLabel)
{
    return modeLabel->text() == quiz;
}

inline bool isLearn(const QLabel *modeLabel)
{
    return modeLabel->text() == learn;
}

} // namespace WorkMode
