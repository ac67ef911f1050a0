// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtClipboardService.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboardService::clear()
{
    QGuiApplication::clipboard()->clear();
}

void QtClipboardService::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}
