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
