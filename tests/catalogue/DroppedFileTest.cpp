// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/DroppedFile.h"

#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Names are files in a folder of the test's own (none exists but the folder ORDNER.TXT), or
// whole addresses where they hold "://".
TEST(DroppedFile, IsOneLocalCatalogueOrWordList)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"ORDNER.TXT"_s));
    const std::pair<QStringList, DroppedFileKind> drags[] = {
            {{u"Fragen.TXT"_s}, DroppedFileKind::Catalogue},
            {{u"Liste.csv"_s}, DroppedFileKind::Spreadsheet},
            {{u"Wörter.TSV"_s}, DroppedFileKind::Spreadsheet},
            {{u"Fragen.txt.pdf"_s}, DroppedFileKind::Refused},
            {{u"ORDNER.TXT"_s}, DroppedFileKind::Refused},
            {{u"A.TXT"_s, u"B.TXT"_s}, DroppedFileKind::Refused},
            {{}, DroppedFileKind::Refused},
            {{u"https://example.org/A.TXT"_s}, DroppedFileKind::Refused}};
    for (const auto &[names, kind] : drags) {
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << (name.contains(u"://"_s) ? QUrl(name)
                                             : QUrl::fromLocalFile(folder.filePath(name)));
        const DroppedFile file = droppedFile(urls);
        const bool taken = kind != DroppedFileKind::Refused;
        EXPECT_EQ(file.kind, kind) << names.join(u' ').toStdString();
        EXPECT_EQ(file.name, taken ? names.front() : QString());
        EXPECT_EQ(file.path, taken ? folder.filePath(file.name) : QString());
    }
}
