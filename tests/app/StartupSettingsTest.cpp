#include "support/ProgramFixture.h"

#include "platform/CheckBox.h"
#include "platform/FileListBox.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray settingsFile(const QByteArray &name, const QByteArray &print, const QByteArray &hide)
{
    return "[Datei]\r\n" + name + "\r\n[Druck]\r\n" + print + "\r\n[Laden]\r\n" + hide + "\r\n";
}

// The working folder holds the files a test names before the program starts.
class StartupSettings : public ProgramFixture
{
protected:
    void prepareWorkDir() override
    {
        for (const auto &[name, bytes] : filesBeforeStart)
            writeWorkFile(name, bytes);
    }

    void SetUp() override {}

    void start(std::vector<std::pair<QString, QByteArray>> files)
    {
        filesBeforeStart = std::move(files);
        ProgramFixture::SetUp();
    }

    QString caption(const QLabel *label) const { return label->text(); }

    std::vector<std::pair<QString, QByteArray>> filesBeforeStart;
};

TEST_F(StartupSettings, WithoutAFileTheDefaultsHoldAndNothingLoads)
{
    start({{u"TIERE.TXT"_s, "Wal\r\nSäuger\r\n"}});
    // Whatever the controls held before, the defaults replace it.
    editor().Bezeichnung4->setText(u"ALT.TXT"_s);
    editor().Kontroll1->setValue(2);
    editor().Kontroll2->setValue(0);
    runStartupTimer();
    EXPECT_EQ(caption(editor().Bezeichnung4), QString());
    EXPECT_EQ(editor().Kontroll1->value(), 0);
    EXPECT_EQ(editor().Kontroll2->value(), 1);
    EXPECT_TRUE(main().Bezeichnung10->isVisible());
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_EQ(main().Datei1->listIndex(), -1);
}

TEST_F(StartupSettings, TheSwitchesComeFromTheFile)
{
    start({{u"ZELMERK.INI"_s, settingsFile("", " 1 ", " 0 ")}});
    runStartupTimer();
    EXPECT_EQ(editor().Kontroll1->value(), 1);
    EXPECT_EQ(editor().Kontroll2->value(), 0);
    EXPECT_TRUE(main().Bezeichnung10->isVisible());
}

TEST_F(StartupSettings, AnUnusableFileGivesAllDefaultsAndLoadsNothing)
{
    start({{u"ZELMERK.INI"_s, settingsFile("TIERE.TXT", " 3 ", " 0 ")},
           {u"TIERE.TXT"_s, "Wal\r\nSäuger\r\n"}});
    runStartupTimer();
    EXPECT_EQ(caption(editor().Bezeichnung4), QString());
    EXPECT_EQ(editor().Kontroll1->value(), 0);
    EXPECT_EQ(editor().Kontroll2->value(), 1);
    EXPECT_TRUE(main().Bezeichnung10->isVisible());
    EXPECT_EQ(catalogueQuestions().size(), 10);
}

TEST_F(StartupSettings, TheDefaultCatalogueIsFoundWhateverItsLetterCase)
{
    dialogs.expectMessage(u"Datensätze dieser Datei:   2\rProgrammvoreinstellung:   10\r"_s, u"TIERE.TXT"_s);
    start({{u"ZELMERK.INI"_s, settingsFile("TIERE.TXT", " 0 ", " 1 ")},
           {u"tiere.txt"_s, "Wal\r\nSäuger\r\nHai\r\nFisch\r\n"}});
    runStartupTimer();
    QTest::qWait(250); // the timer has stopped: no second reading, no second load
    EXPECT_EQ(caption(editor().Bezeichnung4), u"TIERE.TXT"_s);
    EXPECT_FALSE(main().Bezeichnung10->isVisible());
    EXPECT_EQ(catalogueQuestions(), QStringList({u"Wal"_s, u"Hai"_s}));
    EXPECT_EQ(main().windowTitle(), u"Z E L - M e r k b o l d  ( tiere.txt )"_s);
    EXPECT_EQ(question(), u"Wal"_s);
}

TEST_F(StartupSettings, EveryNameThatMatchesLoadsInTurn)
{
    dialogs.expectMessage(u"Datensätze dieser Datei:   1\rProgrammvoreinstellung:   10\r"_s, u"TIERE.TXT"_s);
    dialogs.expectMessage(u"Datensätze dieser Datei:   2\rProgrammvoreinstellung:   10\r"_s, u"TIERE.TXT"_s);
    start({{u"ZELMERK.INI"_s, settingsFile("Tiere.txt", " 0 ", " 1 ")},
           {u"TIERE.TXT"_s, "Wal\r\nSäuger\r\n"},
           {u"tiere.txt"_s, "Hai\r\nFisch\r\nAal\r\nFisch\r\n"}});
    runStartupTimer();
    EXPECT_EQ(catalogueQuestions(), QStringList({u"Hai"_s, u"Aal"_s}));
    EXPECT_EQ(main().windowTitle(), u"Z E L - M e r k b o l d  ( tiere.txt )"_s);
}

TEST_F(StartupSettings, ADefaultCatalogueThatIsNotThereHidesTheNoticeOnly)
{
    start({{u"ZELMERK.INI"_s, settingsFile("FEHLT.TXT", " 0 ", " 1 ")},
           {u"TIERE.TXT"_s, "Wal\r\nSäuger\r\n"}});
    runStartupTimer();
    EXPECT_FALSE(main().Bezeichnung10->isVisible());
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_EQ(main().windowTitle(), u"Z E L - M e r k b o l d"_s);
}

TEST_F(StartupSettings, WritingKeepsTheThreeSettingsForTheNextStart)
{
    start({});
    runStartupTimer();
    editor().Bezeichnung4->setText(u"TIERE.TXT"_s);
    editor().Kontroll1->setValue(1);
    editor().Kontroll2->setValue(0);
    editor().EinstellungenSchreiben();
    QFile written(workDir.filePath(u"ZELMERK.INI"_s));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), settingsFile("TIERE.TXT", " 1 ", " 0 "));
}

TEST_F(StartupSettings, ASettingsFileThatCannotBeWrittenIsReported)
{
    start({});
    runStartupTimer();
    ASSERT_TRUE(QDir(workDir.path()).mkdir(u"ZELMERK.INI"_s));
    dialogs.expectMessage(u"Die Einstellungen konnten nicht gespeichert werden.\r"
                          u"„ZELMERK.INI“ ist ein Ordner und keine Datei.\r"_s,
                          u"Einstellungen"_s);
    editor().EinstellungenSchreiben();
}

} // namespace
