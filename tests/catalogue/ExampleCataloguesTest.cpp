#include "catalogue/CatalogueFile.h"
#include "platform/Windows1252.h"
#include "support/QtPrinters.h"
#include "TestFiles.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Example
{
    const char *file;
    qsizetype pairs;
};

class ExampleCatalogue : public ::testing::TestWithParam<Example>
{
protected:
    QString path() const { return QStringLiteral(MERKBOLD_SOURCE_DIR "/examples/") + QLatin1String(GetParam().file); }
};

TEST_P(ExampleCatalogue, ReadsCompletelyWithItsPairs)
{
    const CatalogueReadResult read = KatalogdateiLesen(path());
    EXPECT_EQ(read.outcome, ReadOutcome::Complete);
    EXPECT_EQ(read.pairs.questions.size(), GetParam().pairs);
    EXPECT_EQ(read.pairs.answers.size(), GetParam().pairs);
}

// Every offered answer must fit exactly one question, and the editor refuses duplicates.
TEST_P(ExampleCatalogue, HasNoQuestionAndNoAnswerTwice)
{
    const Catalogue pairs = KatalogdateiLesen(path()).pairs;
    for (const QStringList &texts : {pairs.questions, pairs.answers}) {
        const QSet<QString> distinct(texts.begin(), texts.end());
        EXPECT_EQ(distinct.size(), texts.size());
    }
}

TEST_P(ExampleCatalogue, IsWindows1252AndWritesBackByteForByte)
{
    const QByteArray bytes = fileBytes(path());
    ASSERT_FALSE(bytes.isEmpty());
    const Catalogue pairs = parseCatalogue(bytes).pairs;
    for (const QStringList &texts : {pairs.questions, pairs.answers}) {
        for (const QString &text : texts)
            EXPECT_TRUE(Windows1252::canEncode(text)) << text.toStdString();
    }
    EXPECT_EQ(serializeCatalogue(pairs), bytes);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleCatalogue, ::testing::Values(
    Example{"EINMALEINS.TXT", 37},
    Example{"HAUPTSTAEDTE.TXT", 40},
    Example{"ENGLISCH.TXT", 52},
    Example{"TIERE.TXT", 50},
    Example{"RECHTSCHREIBUNG.TXT", 45}));

} // namespace
