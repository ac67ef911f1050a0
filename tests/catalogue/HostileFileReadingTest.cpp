// SPDX-License-Identifier: GPL-3.0-or-later
// Contents nobody meant as a catalogue or a settings file: huge lines and NUL bytes. FIFOs,
// devices and files that change under the reader are met through the windows, random bytes
// by the fuzz targets.
#include "catalogue/CatalogueFile.h"
#include "catalogue/SettingsFile.h"

#include "HostileBytes.h"
#include "TestFiles.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class HostileContent : public testing::Test
{
protected:
    QString put(const QByteArray &bytes)
    {
        putFile(dir.filePath(u"FEIND.TXT"_s), bytes);
        return dir.filePath(u"FEIND.TXT"_s);
    }

    QTemporaryDir dir;
};

TEST_F(HostileContent, ALineOf50MBIsKeptWholeAndAloneGivesNoPair)
{
    const CatalogueReadResult alone = readCatalogueFile(put(HostileBytes::hugeLine()));
    EXPECT_EQ(alone.outcome, ReadOutcome::Failed);
    EXPECT_TRUE(alone.pairs.questions.isEmpty());
    EXPECT_TRUE(alone.pairs.answers.isEmpty());
    EXPECT_EQ(alone.error, QString()); // merely ends inside a record

    const CatalogueReadResult read =
            readCatalogueFile(put(HostileBytes::hugeLine() + "\r\nAntwort\r\n"));
    EXPECT_EQ(read.outcome, ReadOutcome::Complete);
    ASSERT_EQ(read.pairs.questions.size(), 1);
    const QString &question = read.pairs.questions[0];
    EXPECT_EQ(question.size(), HostileBytes::hugeLineLength);
    EXPECT_EQ(question.first(13), u"Lernkärtchen "_s);
    EXPECT_EQ(question.back(), u'x');
    EXPECT_EQ(read.pairs.answers, QStringList{u"Antwort"_s});
}

TEST_F(HostileContent, NulBytesAreOrdinaryCharacters)
{
    const CatalogueReadResult read =
            readCatalogueFile(put(HostileBytes::of("Fr\0age\r\n\0\r\n\0Ant\0wort\0\r\nx\r\n")));
    EXPECT_EQ(read.outcome, ReadOutcome::Complete);
    EXPECT_EQ(read.pairs.questions,
              QStringList({u"Fr\u0000age"_s, u"\u0000Ant\u0000wort\u0000"_s}));
    EXPECT_EQ(read.pairs.answers, QStringList({u"\u0000"_s, u"x"_s}));
}

TEST_F(HostileContent, ASettingsFileOver1MiBGivesTheDefaultsThoughItStartsWell)
{
    const QString path = put(settingsBytes("TIERE.TXT", " 1 ", " 0 "));
    const Settings defaults{QString(), 0, 1};
    ASSERT_FALSE(readSettingsFile(path) == defaults);
    QFile file(path);
    ASSERT_TRUE(file.resize(1024 * 1024 + 1)); // the rest reads as NUL bytes, and costs no disk
    EXPECT_TRUE(readSettingsFile(path) == defaults);
}

} // namespace
