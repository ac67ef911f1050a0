// "Abbruch" in the editor writes the settings file. When the disk refuses, the user is told,
// the program goes back to the quiz all the same, and the settings stay in the editor's
// controls for the next try.
#include "support/ProgramFixture.h"

#include "platform/CheckBox.h"

using namespace Qt::StringLiterals;

namespace {

void putFolderInTheFilesPlace(const QString &workFolder)
{
    QDir work(workFolder);
    ASSERT_TRUE(work.mkdir(u"ZELMERK.INI"_s));
    QFile inside(work.filePath(u"ZELMERK.INI/inhalt"_s));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    ASSERT_EQ(inside.write("bleibt"), 6);
}

class SettingsWriteFaults : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        runStartupTimer();
    }

    void openEditor()
    {
        main().hide();
        editor().show();
    }

    // The user's settings, as the editor shows them before "Abbruch".
    void chooseSettings()
    {
        openEditor();
        editor().Bezeichnung4->setText(u"TIERE.TXT"_s);
        editor().Kontroll1->setValue(1);
        editor().Kontroll2->setValue(0);
    }

    void expectBackInTheQuizWithTheSettingsKept()
    {
        EXPECT_TRUE(dialogs.allShown());
        EXPECT_FALSE(editor().isVisible());
        EXPECT_TRUE(main().isVisible());
        EXPECT_EQ(catalogueQuestions().size(), 10);
        EXPECT_EQ(editor().Bezeichnung4->text(), u"TIERE.TXT"_s);
        EXPECT_EQ(editor().Kontroll1->value(), 1);
        EXPECT_EQ(editor().Kontroll2->value(), 0);
    }

    void expectFailureBox(const QString &reason)
    {
        dialogs.expectMessage(u"Die Einstellungen konnten nicht gespeichert werden.\r"_s + reason + u'\r',
                              u"Einstellungen"_s);
    }
};

TEST_F(SettingsWriteFaults, AWorkingFolderThatIsGoneIsReportedAndTheQuizGoesOn)
{
    chooseSettings();
    ASSERT_TRUE(QDir(workDir.path()).removeRecursively());
    expectFailureBox(u"Die Datei „ZELMERK.INI“ konnte nicht vollständig geschrieben werden."_s);

    click(editor().Bild1);

    expectBackInTheQuizWithTheSettingsKept();
}

TEST_F(SettingsWriteFaults, AFolderInTheFilesPlaceIsReportedAndLeftAndTheNextTryWritesTheKeptSettings)
{
    chooseSettings();
    putFolderInTheFilesPlace(workDir.path());
    expectFailureBox(u"„ZELMERK.INI“ ist ein Ordner und keine Datei."_s);

    click(editor().Bild1);

    expectBackInTheQuizWithTheSettingsKept();
    QFile inside(workDir.filePath(u"ZELMERK.INI/inhalt"_s));
    ASSERT_TRUE(inside.open(QIODevice::ReadOnly));
    EXPECT_EQ(inside.readAll(), QByteArray("bleibt"));
    inside.close();

    ASSERT_TRUE(QDir(workDir.filePath(u"ZELMERK.INI"_s)).removeRecursively());
    openEditor();
    click(editor().Bild1);

    QFile settings(workDir.filePath(u"ZELMERK.INI"_s));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), QByteArray("[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n"));
}

} // namespace
