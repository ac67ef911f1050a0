// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListBox.h"

#include <QMouseEvent>
#include <algorithm>

ListBox::ListBox(Order order, QWidget *parent)
    : QListView(parent), m_order(order), m_collator(QLocale(QLocale::German, QLocale::Germany))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    setModel(&m_model);
    // Without uniform sizes the view measures every row of a large catalogue on each change.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { followView(current); });
}

QString ListBox::text(int row) const
{
    if (row < 0 || row >= count())
        return {};
    return m_model.rows().at(row);
}

bool ListBox::contains(const QString &text) const
{
    // QString's == rejects texts of another length at once, which QStringList::contains does not.
    const QStringList &rows = m_model.rows();
    return std::find(rows.begin(), rows.end(), text) != rows.end();
}

void ListBox::clear()
{
    setTexts({});
}

void ListBox::addText(const QString &text)
{
    if (m_order == Order::AsAdded) {
        insertText(count(), text);
        return;
    }
    const QStringList &rows = m_model.rows();
    const auto place = std::upper_bound(
            rows.begin(), rows.end(), text,
            [this](const QString &a, const QString &b) { return m_collator.compare(a, b) < 0; });
    insertText(int(place - rows.begin()), text);
}

void ListBox::addTexts(const QStringList &texts)
{
    if (m_order == Order::AsAdded || count() > 0) {
        for (const QString &text : texts)
            addText(text);
        return;
    }
    // Appending one by one into a sorted list places each text after its equals, which is what
    // a stable sort does. Sort keys make the many comparisons cheap.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(size_t(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i)
        keys.emplace_back(m_collator.sortKey(texts.at(i)), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
    QStringList sorted;
    sorted.reserve(texts.size());
    for (const auto &key : keys)
        sorted.append(texts.at(key.second));
    setTexts(std::move(sorted));
}

void ListBox::insertText(int row, const QString &text)
{
    row = std::clamp(row, 0, count());
    m_showing = true; // the view's own reaction to the new row is no user's choice
    m_model.insertText(row, text);
    if (m_currentRow >= row)
        ++m_currentRow;
    showListIndex();
}

void ListBox::removeText(int row)
{
    if (row < 0 || row >= count())
        return;
    m_showing = true;
    m_model.removeText(row);
    if (m_currentRow == row)
        m_currentRow = -1;
    else if (m_currentRow > row)
        --m_currentRow;
    showListIndex();
}

void ListBox::setTexts(QStringList texts)
{
    m_showing = true;
    m_model.replaceAll(std::move(texts));
    m_currentRow = -1;
    showListIndex();
}

void ListBox::setCurrentRow(int row)
{
    if (row == m_currentRow || row < -1 || row >= count())
        return;
    m_currentRow = row;
    showListIndex();
    Q_EMIT rowClicked();
}

void ListBox::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    if (m_currentRow >= 0)
        scrollTo(m_model.index(m_currentRow));
}

// Qt makes the first row current when the focus comes by the keyboard. In a file list that would
// load a file the user never chose, so the view goes back to the list's own selection.
void ListBox::focusInEvent(QFocusEvent *event)
{
    m_showing = true;
    QListView::focusInEvent(event);
    showListIndex();
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const int before = m_currentRow;
    QListView::mousePressEvent(event);
    const QModelIndex hit = indexAt(event->position().toPoint());
    // A click on the row that is already selected changes nothing in the view, yet it is a
    // click all the same.
    if (hit.isValid() && hit.row() == before && m_currentRow == before)
        Q_EMIT rowClicked();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Below the last row or on an empty list too: the handler decides by the selection.
    QListView::mouseDoubleClickEvent(event);
    Q_EMIT rowDoubleClicked();
}

// Mirrors m_currentRow into the view without taking the view's reaction for a user's choice.
void ListBox::showListIndex()
{
    m_showing = true;
    if (m_currentRow < 0) {
        selectionModel()->clear();
    } else {
        const QModelIndex index = m_model.index(m_currentRow);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        // Scrolling lays out every row first; a hidden list does that when it is shown.
        if (isVisible())
            scrollTo(index);
    }
    m_showing = false;
}

// The view moved its current row on its own: by mouse or keyboard.
void ListBox::followView(const QModelIndex &current)
{
    if (m_showing || !current.isValid() || current.row() == m_currentRow)
        return;
    m_currentRow = current.row();
    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    Q_EMIT rowClicked();
}
