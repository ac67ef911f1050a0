// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QStringList>

// A flat list of texts for a list view. A catalogue can hold tens of thousands of rows, so
// rows are plain strings (no item objects) and a whole list is replaced with one reset. What the
// view shows of a row is bounded (DisplayText.h); rows() holds every character.
class TextListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const QStringList &rows() const { return m_rows; }
    void insertText(int row, const QString &text);
    void removeText(int row);
    void replaceAll(QStringList rows);

private:
    QStringList m_rows;
};
