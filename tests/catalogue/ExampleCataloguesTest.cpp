// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueFile.h"
#include "catalogue/Windows1252.h"

#include "TestFiles.h"
#include "support/QtPrinters.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

struct Example
{
    const char *file;
    qsizetype pairs;
};

class ExampleCatalogue : public ::testing::TestWithParam<Example>
{ };

// Within one catalogue no text appears twice: every offered answer fits exactly one question,
// and the editor's duplicate rule holds.
TEST_P(ExampleCatalogue, ReadsCompletelyWithoutRepeatsAndWritesBackByteForByte)
{
    const QString path =
            QStringLiteral(MERKBOLD_SOURCE_DIR "/examples/") + QLatin1String(GetParam().file);
    const CatalogueReadResult read = readCatalogueFile(path);
    EXPECT_EQ(read.outcome, ReadOutcome::Complete);
    EXPECT_EQ(read.pairs.questions.size(), GetParam().pairs);
    EXPECT_EQ(read.pairs.answers.size(), GetParam().pairs);
    for (const QStringList &texts : {read.pairs.questions, read.pairs.answers}) {
        EXPECT_EQ(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
        for (const QString &text : texts)
            EXPECT_TRUE(Windows1252::canEncode(text)) << text.toStdString();
    }
    EXPECT_EQ(serializeCatalogue(read.pairs), fileBytes(path));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleCatalogue,
                         ::testing::Values(Example{"EINMALEINS.TXT", 37},
                                           Example{"HAUPTSTAEDTE.TXT", 40},
                                           Example{"ENGLISCH.TXT", 52}, Example{"TIERE.TXT", 50},
                                           Example{"RECHTSCHREIBUNG.TXT", 45}));

} // namespace
