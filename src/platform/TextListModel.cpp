// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextListModel.h"

#include "DisplayText.h"

int TextListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant TextListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return displayText(m_rows.at(index.row()));
    return {};
}

void TextListModel::insertText(int row, const QString &text)
{
    beginInsertRows({}, row, row);
    m_rows.insert(row, text);
    endInsertRows();
}

void TextListModel::removeText(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void TextListModel::replaceAll(QStringList rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}
