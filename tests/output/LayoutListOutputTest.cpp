#include "support/ProgramFixture.h"

#include "editor/LayoutListMode.h"
#include "output/QtClipboardService.h"
#include "platform/CheckBox.h"
#include "platform/Palette.h"

#include <QClipboard>
#include <QMimeData>

using namespace Qt::StringLiterals;

namespace {

class LayoutListOutput : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        editor().Liste1->setTexts({u"Frage 1"_s, u"Frage 2"_s});
        editor().Liste2->setTexts({u"Antwort 1"_s, u"Antwort 2"_s});
        // As the window's activation leaves the list, opened by one of its two buttons.
        editor().Liste3->setTexts(editorLayoutNames());
        editor().show();
    }

    void openList(OutputMode mode)
    {
        setLayoutListMode(*editor().Liste3, mode);
        editor().Liste3->show();
    }

    void doubleClickRow(int row)
    {
        ListBox &list = *editor().Liste3;
        list.doItemsLayout();
        const QRect place = list.visualRect(list.model()->index(row, 0));
        ASSERT_TRUE(place.isValid());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, place.center());
    }
};

TEST_F(LayoutListOutput, PrintModeIsRedOnYellowAndCopyModeYellowOnRed)
{
    ListBox &list = *editor().Liste3;
    setLayoutListMode(list, OutputMode::Print);
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(list.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(layoutListMode(list), OutputMode::Print);
    setLayoutListMode(list, OutputMode::Copy);
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(list.palette().color(QPalette::Text), QColor(255, 255, 0));
    EXPECT_EQ(layoutListMode(list), OutputMode::Copy);

    QPalette white = list.palette();
    white.setColor(QPalette::Base, qbColor(15));
    list.setPalette(white);
    EXPECT_EQ(layoutListMode(list), OutputMode::Print); // any background but red prints
}

TEST_F(LayoutListOutput, ADoubleClickInPrintModePrintsThatLayoutAndClosesTheList)
{
    editor().Kontroll1->setValue(0); // the main window's lock does not apply here
    openList(OutputMode::Print);
    dialogs.expectMessage(u"Daten werden gedruckt ..."_s, u"Drucken"_s);
    doubleClickRow(4);
    EXPECT_FALSE(editor().Liste3->isVisible());
    const QString underscores(60, u'_');
    EXPECT_EQ(printer.jobs,
              (QList<RecordingPrinter::Job>{{{u"Frage 1"_s, 6, u"Arial"_s, 16},
                                             {underscores, 6, u"Arial"_s, 16},
                                             {u" "_s, 0, u"Arial"_s, 16},
                                             {u"Frage 2"_s, 6, u"Arial"_s, 16},
                                             {underscores, 6, u"Arial"_s, 16},
                                             {u" "_s, 0, u"Arial"_s, 16}}}));
}

TEST_F(LayoutListOutput, ADoubleClickInCopyModeCopiesThatLayout)
{
    openList(OutputMode::Copy);
    dialogs.expectMessage(u"Daten wurden kopiert ..."_s, u"Kopieren"_s);
    doubleClickRow(3);
    EXPECT_FALSE(editor().Liste3->isVisible());
    EXPECT_EQ(clipboard.calls, (QStringList{u"clear"_s, u"set:Frage 1\r\nFrage 2\r\n\r\nAntwort 1\r\nAntwort 2\r\n"_s}));
    EXPECT_TRUE(printer.jobs.isEmpty());
}

TEST(QtClipboard, KeepsTheTextExactlyWithItsLineEnds)
{
    QtClipboardService clipboard;
    const QString text = u"Größe\r\nÄpfel\r\n\r\n"_s;
    clipboard.replaceText(text);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    clipboard.replaceText(QString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

} // namespace
