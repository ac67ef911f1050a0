#pragma once

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

// Things a folder can hold besides files and folders, made for tests.

inline void makeFifo(const QString &path)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString();
}

inline void makeLink(const QString &target, const QString &path)
{
    ASSERT_TRUE(QFile::link(target, path)) << path.toStdString();
}
