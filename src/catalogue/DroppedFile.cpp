// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/DroppedFile.h"

#include "catalogue/SpreadsheetFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

DroppedFile droppedFile(const QList<QUrl> &urls)
{
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QFileInfo file(urls.front().toLocalFile());
    const QString name = file.fileName();
    // A folder may carry any name, also one ending in ".txt".
    if (name.isEmpty() || file.isDir())
        return {};
    if (name.endsWith(u".txt"_s, Qt::CaseInsensitive))
        return {DroppedFileKind::Catalogue, file.filePath(), name};
    if (isSpreadsheetFileName(name))
        return {DroppedFileKind::Spreadsheet, file.filePath(), name};
    return {};
}
