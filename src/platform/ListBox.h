// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextListModel.h"

#include <QCollator>
#include <QListView>

// A list box as the quiz and the editor use it.
//
// - A sorted list places an appended text at its alphabetical place (German, letter case
//   ignored, after equal texts); insertText() puts a text at exactly the given row.
// - text() of a row that does not exist is "".
// - The selected row (currentRow, -1 for none) is the list's own state. Setting it from code
//   emits rowClicked() before the call returns, unless the row is already selected, so two lists
//   that follow each other's selection stop echoing. A user's click always emits rowClicked().
// - The keyboard focus arriving selects nothing: only a click or a key inside the list does.
// - Removing the selected row leaves no row selected; removing a row above it keeps the same
//   text selected. Neither emits rowClicked().
class ListBox : public QListView
{
    Q_OBJECT

public:
    enum class Order { AsAdded, Sorted };

    explicit ListBox(Order order, QWidget *parent = nullptr);

    int count() const { return int(m_model.rows().size()); }
    QString text(int row) const;
    const QStringList &texts() const { return m_model.rows(); }
    // Whether a row holds exactly this text (letter case and blanks count).
    bool contains(const QString &text) const;

    void clear();
    void addText(const QString &text);
    // The same as addText() for each text in turn, but in one step: a whole catalogue's answers
    // are sorted once instead of being inserted row by row.
    void addTexts(const QStringList &texts);
    void insertText(int row, const QString &text);
    void removeText(int row);
    // Replaces every row at once, for loaders of whole catalogues; the selection is cleared.
    void setTexts(QStringList texts);

    int currentRow() const { return m_currentRow; }
    // A row that does not exist is refused: nothing changes and no rowClicked() is emitted.
    void setCurrentRow(int row);

Q_SIGNALS:
    void rowClicked();
    void rowDoubleClicked();

protected:
    void showEvent(QShowEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void showListIndex();
    void followView(const QModelIndex &current);

    TextListModel m_model;
    Order m_order;
    QCollator m_collator;
    int m_currentRow = -1;
    bool m_showing = false;
};
