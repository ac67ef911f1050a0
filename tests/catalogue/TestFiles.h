// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// Small helpers for tests that put bytes on disk and look at what came back.

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

// The catalogue file of the pairs "Frage i" / "Antwort i", i counted from 0.
inline QByteArray numberedCatalogue(int pairs)
{
    QByteArray bytes;
    for (int i = 0; i < pairs; ++i)
        bytes += "Frage " + QByteArray::number(i) + "\r\nAntwort " + QByteArray::number(i) + "\r\n";
    return bytes;
}

inline QByteArray settingsBytes(const QByteArray &name, const QByteArray &print,
                                const QByteArray &hide)
{
    return "[Datei]\r\n" + name + "\r\n[Druck]\r\n" + print + "\r\n[Laden]\r\n" + hide + "\r\n";
}
