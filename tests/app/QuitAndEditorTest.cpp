#include "support/ProgramFixture.h"

#include "platform/QtDialogs.h"

#include <QDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString quitPrompt = u"Das Programm beenden?\r"_s;
const QString quitTitle = u"ZEL-Merkbold"_s;
constexpr int quitStyle = MsgBox::YesNo | MsgBox::Critical | MsgBox::DefaultButton2;

class Quit : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        program->setEndHandler([this] { ++ends; });
    }

    bool workDirEmpty() { return QDir(workDir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

    int ends = 0;
};

TEST_F(Quit, AnsweringNoKeepsTheProgramAsItWas)
{
    click(main().Bild3);
    dialogs.expectMessage(quitPrompt, quitTitle, quitStyle, MsgBox::No);
    click(main().Bild1);
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().Bezeichnung5->text(), u"1"_s);
}

TEST_F(Quit, AnsweringYesEndsAtOnceWithoutWritingAFile)
{
    dialogs.expectMessage(quitPrompt, quitTitle, quitStyle, MsgBox::Yes);
    click(main().Bild1);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(workDirEmpty());
}

TEST_F(Quit, EscapeAsksTheSameQuestion)
{
    dialogs.expectMessage(quitPrompt, quitTitle, quitStyle, MsgBox::No);
    press(Qt::Key_Escape);
    EXPECT_EQ(ends, 0);
    dialogs.expectMessage(quitPrompt, quitTitle, quitStyle, MsgBox::Yes);
    press(Qt::Key_Escape);
    EXPECT_EQ(ends, 1);
}

TEST_F(Quit, ClosingTheWindowFrameAsksFirst)
{
    dialogs.expectMessage(quitPrompt, quitTitle, quitStyle, MsgBox::No);
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(ends, 0);

    dialogs.expectMessage(quitPrompt, quitTitle, quitStyle, MsgBox::Yes);
    EXPECT_TRUE(main().close());
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(workDirEmpty());
}

// The real box: Enter presses the default button, which must be "Nein".
TEST(QuitBox, EnterAnswersNo)
{
    QtDialogs dialogs;
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.messageBox(quitPrompt, quitStyle, quitTitle), MsgBox::No);
}

struct PasswordCase
{
    const char *name;
    const char16_t *shownQuestion;
    const char16_t *typed;
    bool opensEditor;
};

class EditorAccess : public ProgramFixture, public ::testing::WithParamInterface<PasswordCase>
{
};

TEST_P(EditorAccess, OpensTheEditorOnlyForTheShownQuestionExactly)
{
    const PasswordCase &entry = GetParam();
    main().Bezeichnung1->setText(QString::fromUtf16(entry.shownQuestion));
    dialogs.expectInput(u"Passwort"_s, u"Bitte eingeben:"_s, QString(), QString::fromUtf16(entry.typed));
    click(main().Bild4);
    EXPECT_EQ(editor().isVisible(), entry.opensEditor);
    EXPECT_EQ(main().isVisible(), !entry.opensEditor);
    EXPECT_EQ(main().Bezeichnung1->text(), QString::fromUtf16(entry.shownQuestion));
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, EditorAccess,
    ::testing::Values(PasswordCase{"TheShownQuestion", u"Wie viele Windstärken gibt es?", u"Wie viele Windstärken gibt es?", true},
                      PasswordCase{"OtherLetterCase", u"Wie viele Windstärken gibt es?", u"wie viele windstärken gibt es?", false},
                      PasswordCase{"ExtraBlank", u"Wie viele Windstärken gibt es?", u"Wie viele Windstärken gibt es? ", false},
                      PasswordCase{"AnotherQuestion", u"Wie viele Windstärken gibt es?", u"Wer erfand das Dezimalsystem?", false},
                      PasswordCase{"EmptyOrCancel", u"Wie viele Windstärken gibt es?", u"", false},
                      PasswordCase{"EmptyQuestionEmptyInput", u"", u"", false},
                      PasswordCase{"EmptyQuestionAnyInput", u"", u"Passwort", false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
