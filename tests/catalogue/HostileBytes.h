// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <random>

// Files that were never meant as a catalogue: their contents, and the things besides files and
// folders that a folder can hold.
namespace HostileBytes {

inline constexpr qsizetype hugeLineLength = 50 * 1000 * 1000;

// "Lernkärtchen Lernkärtchen ..." in Windows-1252 without a line end, ending in "x"s.
inline QByteArray line(qsizetype length)
{
    const QByteArray piece("Lernk\xE4rtchen ");
    QByteArray line = piece.repeated(length / piece.size());
    return line + QByteArray(length - line.size(), 'x');
}

// 50 MB, far beyond the largest catalogue read.
inline QByteArray hugeLine()
{
    return line(hugeLineLength);
}

inline QByteArray random(std::uint32_t seed, qsizetype count)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(count, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(byte(generator));
    return bytes;
}

// All the bytes of a literal, NUL bytes included.
template<std::size_t N>
QByteArray of(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

} // namespace HostileBytes

inline void makeFifo(const QString &path)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString();
}

inline void makeLink(const QString &target, const QString &path)
{
    ASSERT_TRUE(QFile::link(target, path)) << path.toStdString();
}
