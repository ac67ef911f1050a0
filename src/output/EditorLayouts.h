// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/PrintService.h"

#include <QStringList>

// The five layouts in which the editor puts out the whole catalogue, numbered as the entries
// of its layout list.
enum class EditorLayout {
    Questions = 1,   // "Nur die Fragen"
    Answers = 2,     // "Nur die Antworten"
    Pairs = 3,       // "Fragen-Antworten-Paare"
    Block = 4,       // "Fragen-Antworten-Block"
    AnswerLines = 5, // "Fragen mit Antwortzeile"
};

// The entries of the layout list, layout 1 first.
const QStringList &editorLayoutNames();

// The layout of a row of the layout list; no selection (-1) gives the first layout.
EditorLayout editorLayoutAt(int currentRow);

inline const PrintFont editorLayoutFont{QStringLiteral("Arial"), 16};

// Every text is one line ended by CR LF; an answer line is 40 underscores.
QString editorLayoutText(EditorLayout layout, const QStringList &questions,
                         const QStringList &answers);

// Every text an indented line of its own; an answer line is 60 underscores; a spacer line is
// a single blank without indent. The block layout prints its answers as a second job, so
// that they begin on a fresh sheet.
QList<PrintJob> editorLayoutJobs(EditorLayout layout, const QStringList &questions,
                                 const QStringList &answers);
