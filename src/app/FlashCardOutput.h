// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Session;

// The main window's output of the current cards, as many as the choice list offers answers,
// counted anew for each side: on paper, questions on the front of the sheet and answers on its
// back, or on the clipboard.
class FlashCardOutput
{
public:
    explicit FlashCardOutput(Session &session) : m_session(session) { }

    // Guarded by the editor's " Ausdrucken erlauben"; asks before each side.
    void print();
    void copy();

private:
    Session &m_session;
};
