// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud from the main window: a click on a display reads its text, in the language of
// its side of the catalogue.
#include "catalogue/CatalogueFile.h"
#include "support/ProgramFixture.h"

namespace {

using ReadAloud = ProgramFixture;

// The scripted dialogs fail the test on any box: a click reads aloud and shows nothing. The
// English example reads its questions in German and its answers in English; the standard pairs,
// back after "Löschen", are German on both sides. The notice keeps its own click.
TEST_F(ReadAloud, AClickOnEitherDisplayReadsItsTextInTheLanguageOfItsSide)
{
    const Catalogue english =
            readCatalogueFile(QStringLiteral(MERKBOLD_SOURCE_DIR "/examples/ENGLISCH.TXT")).pairs;
    setCatalogue(english.questions, english.answers);
    QuizProcedures::buildPracticeSet(*program);
    click(label(u"Bezeichnung10"_s));
    EXPECT_TRUE(control<FilePanel>(main(), u"Bild16"_s)->isVisible());
    click(label(u"Bezeichnung1"_s));
    press(Qt::Key_Right);
    click(label(u"Bezeichnung2"_s));
    const QString shown = answer();
    click(button(main(), u"Löschen"_s));
    click(label(u"Bezeichnung1"_s));
    click(label(u"Bezeichnung2"_s));
    EXPECT_EQ(speech.said,
              (QStringList{u"de_DE: Was heißt „Hund“ auf Englisch?"_s, u"en_US: "_s + shown,
                           u"de_DE: Wie viele Windstärken gibt es?"_s, u"de_DE: Als Orkan."_s}));
}

} // namespace
