// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoakRandom.h"

#include <QByteArray>
#include <QStringList>
#include <utility>
#include <vector>

// Catalogue files of every kind a user may come across: sound ones in Windows-1252 and UTF-8,
// and broken ones (a last question without its answer, empty halves, no lines, lone line ends,
// random bytes). Their texts never hold a "/", so no text can become a path out of the
// soak's folder when it is typed as a file name.
namespace SoakCatalogues {

// The names the soak writes its files under, in both letter cases of the pattern "*.TXT".
const QStringList &fileNames();

// A file under each name, every kind among them.
std::vector<std::pair<QString, QByteArray>> startingFiles(SoakRandom &random);

// The bytes of a file of a kind chosen at random, to replace one of the files.
QByteArray randomFile(SoakRandom &random);

} // namespace SoakCatalogues
