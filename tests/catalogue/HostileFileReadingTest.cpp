// SPDX-License-Identifier: GPL-3.0-or-later
// Contents nobody meant as a catalogue or a settings file: huge lines, files that hide their
// size and NUL bytes. FIFOs, devices and files that change under the reader are met through the
// windows, random bytes by the fuzz targets.
#include "catalogue/CatalogueFile.h"
#include "catalogue/SettingsFile.h"

#include "HostileBytes.h"
#include "TestFiles.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

using namespace Qt::StringLiterals;

namespace {

// Caps the address space for as long as it lives: a reader that does not stop at its limit
// then fails on an allocation instead of taking the machine's memory.
class AddressSpaceCap
{
public:
    explicit AddressSpaceCap(rlim_t headroom)
    {
        std::ifstream statm("/proc/self/statm");
        rlim_t pages = 0;
        statm >> pages;
        m_active = getrlimit(RLIMIT_AS, &m_previous) == 0;
        rlimit capped = m_previous;
        capped.rlim_cur = pages * rlim_t(sysconf(_SC_PAGESIZE)) + headroom;
        m_active = m_active && setrlimit(RLIMIT_AS, &capped) == 0;
    }
    ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &m_previous); }
    AddressSpaceCap(const AddressSpaceCap &) = delete;
    AddressSpaceCap &operator=(const AddressSpaceCap &) = delete;

    bool active() const { return m_active; }

private:
    rlimit m_previous{};
    bool m_active = false;
};

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

// The largest file read, one question line filling it but for its answer, loads whole and saves
// back unchanged; one byte more and the whole file is refused, never cut.
TEST_F(HostileContent, AFileUpToTheLimitLoadsWholeAndALargerOneIsRefusedWhole)
{
    const QByteArray answer = "\r\nAntwort\r\n";
    const QByteArray question = HostileBytes::line(maxCatalogueBytes - answer.size());
    const QString tooLarge =
            u"Die Datei „%1“ ist zu groß für einen Fragenkatalog (mehr als 14 MiB)."_s.arg(
                    dir.filePath(u"FEIND.TXT"_s));
    const struct
    {
        QByteArray bytes;
        ReadOutcome outcome;
        qsizetype pairs;
        QString error;
    } cases[] = {
            {question + answer, ReadOutcome::Complete, 1, QString()},
            {question, ReadOutcome::Failed, 0, QString()}, // merely ends inside its record
            {question + answer + "x", ReadOutcome::Failed, 0, tooLarge},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.size());
        const CatalogueReadResult read = readCatalogueFile(put(c.bytes));
        EXPECT_EQ(read.outcome, c.outcome);
        EXPECT_EQ(read.pairs.questions.size(), c.pairs);
        EXPECT_EQ(read.error, c.error);
        if (c.pairs == 1) {
            EXPECT_EQ(serializeCatalogue(read.pairs), c.bytes);
        }
    }
}

// Files in /proc report a size of 0 whatever they hold; /proc/self/pagemap holds 256 GiB.
TEST_F(HostileContent, AFileThatHidesItsSizeIsReadOnlyUpToTheLimit)
{
    const QString path = dir.filePath(u"X.TXT"_s);
    makeLink(u"/proc/self/pagemap"_s, path);
    ASSERT_EQ(QFileInfo(path).size(), 0);
    const AddressSpaceCap cap(256 * 1024 * 1024);
    ASSERT_TRUE(cap.active());
    const CatalogueReadResult read = readCatalogueFile(path);
    EXPECT_EQ(read.error,
              u"Die Datei „%1“ ist zu groß für einen Fragenkatalog (mehr als 14 MiB)."_s.arg(path));
    EXPECT_TRUE(read.pairs.questions.isEmpty());
    EXPECT_EQ(readSettingsFile(path), (Settings{QString(), 0, 1}));
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
