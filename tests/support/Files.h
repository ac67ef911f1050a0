// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

using namespace Qt::StringLiterals;
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <ostream>

// Lets failing assertions show texts as text rather than as bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A file that cannot be read gives "<missing>", so that it never passes for an empty one.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// "Frage 0", "Frage 1", ... from `from` to `to` inclusive.
inline QStringList numbered(const QString &prefix, int from, int to)
{
    QStringList texts;
    for (int i = from; i <= to; ++i)
        texts << prefix + QString::number(i);
    return texts;
}

inline QByteArray settingsBytes(const QByteArray &name, const QByteArray &print,
                                const QByteArray &hide)
{
    return "[Datei]\r\n" + name + "\r\n[Druck]\r\n" + print + "\r\n[Laden]\r\n" + hide + "\r\n";
}

inline void makeFifo(const QString &path)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString();
}

// Runs `write` on a disk that is full after 16 bytes of any one file, or as it is when `full` is
// false. Tests run as root, where no permission makes a write fail; a file-size limit does. With
// SIGXFSZ ignored, the write that would cross it fails with EFBIG instead of ending the process.
template<typename Write>
void onAFullDisk(Write write, bool full = true)
{
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const rlimit limited{full ? 16 : previous.rlim_cur, previous.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    write();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
}
