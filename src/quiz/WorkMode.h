// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The two work modes, by the caption that names them.
namespace WorkMode {

inline const QString quiz = QStringLiteral("Quizmodus");
inline const QString learn = QStringLiteral("Lernmodus");

} // namespace WorkMode
