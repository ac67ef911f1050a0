// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlashCardOutput.h"

#include "output/FlashCards.h"
#include "output/PrintSession.h"
#include "platform/ListBox.h"
#include "services/ClipboardService.h"
#include "services/Dialogs.h"
#include "session/Session.h"

using namespace Qt::StringLiterals;

namespace {

constexpr BoxStyles printQuestionStyle =
        BoxStyle::YesNo | BoxStyle::StopIcon | BoxStyle::NoIsDefault;

bool printCardSide(PrintSession &printing, const QStringList &catalogueHalf, int count)
{
    return printing.print(flashCardFont, {flashCardJob(catalogueHalf, count)});
}

} // namespace

void FlashCardOutput::print()
{
    Dialogs &dialogs = m_session.dialogs();
    const CatalogueLists catalogue = m_session.catalogue();
    // Ticked (1) and greyed (2) both allow printing.
    if (m_session.settings().printPermission() == 0) {
        dialogs.messageBox(u"Druckfunktion wurde gesperrt.\r"_s, BoxStyle::OkOnly,
                           u"Datei drucken"_s);
        return;
    }
    if (dialogs.messageBox(u"Fragen für Vorderseite drucken?\r"_s, printQuestionStyle, u"Drucken"_s)
        != BoxAnswer::Yes)
        return;
    // Without a printer both sides go into one PDF file, the backs after the fronts.
    PrintSession printing(dialogs, m_session.printer(), u"KARTEN.PDF"_s);
    if (!printCardSide(printing, catalogue.questions().texts(),
                       m_session.quizState().choices().count()))
        return;
    dialogs.messageBox(u"Die Fragen werden gedruckt.\r"_s, BoxStyle::OkOnly, u"Drucken ..."_s);
    // The user turns the sheet over before answering.
    if (dialogs.messageBox(u"Antworten für Rückseite drucken?\r"_s, printQuestionStyle,
                           u"Drucken"_s)
        != BoxAnswer::Yes)
        return;
    if (!printCardSide(printing, catalogue.answers().texts(),
                       m_session.quizState().choices().count()))
        return;
    dialogs.messageBox(u"Die Antworten werden gedruckt.\r"_s, BoxStyle::OkOnly, u"Drucken ..."_s);
}

void FlashCardOutput::copy()
{
    const int count = m_session.quizState().choices().count();
    if (count < 1)
        return;
    const CatalogueLists catalogue = m_session.catalogue();
    m_session.clipboard().replaceText(flashCardClipboardText(catalogue.questions().texts(),
                                                             catalogue.answers().texts(), count));
    m_session.dialogs().messageBox(u"Fragen und Antworten wurden kopiert.\r"_s, BoxStyle::OkOnly,
                                   u"Ablage"_s);
}
