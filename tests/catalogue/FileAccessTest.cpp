#include "catalogue/FileAccess.h"

#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(WholeFileReading, ReadsAFileOfExactlyTheLimit)
{
    QTemporaryDir dir;
    putFile(dir.filePath(u"zehn"_s), "0123456789");
    const WholeFileRead read = readWholeFile(dir.filePath(u"zehn"_s), 10);
    EXPECT_EQ(read.status, WholeFileRead::Status::Read);
    EXPECT_EQ(read.bytes, QByteArray("0123456789"));
}

TEST(WholeFileReading, RefusesAFileOneByteOverTheLimit)
{
    QTemporaryDir dir;
    putFile(dir.filePath(u"elf"_s), "0123456789A");
    const WholeFileRead read = readWholeFile(dir.filePath(u"elf"_s), 10);
    EXPECT_EQ(read.status, WholeFileRead::Status::TooLarge);
    EXPECT_TRUE(read.bytes.isEmpty());
}

} // namespace
