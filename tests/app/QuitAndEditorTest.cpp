// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"

#include "desktop/QtDialogs.h"

using namespace Qt::StringLiterals;

namespace {

const QString quitPrompt = u"Das Programm beenden?\r"_s;
const QString quitTitle = u"ZEL-Merkbold"_s;
constexpr int quitStyle = MsgBox::YesNo | MsgBox::Critical | MsgBox::DefaultButton2;

struct QuitWay
{
    const char *name;
    void (*ask)(ProgramFixture &);
};

class Quit : public ProgramFixture, public ::testing::WithParamInterface<QuitWay>
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        program->setEndHandler([this] { ++ends; });
    }

    int ends = 0;
};

// No leaves everything as it was; Yes ends at once, without writing a file.
TEST_P(Quit, AsksFirstAndEndsOnlyOnYes)
{
    click(main().forwardButton);
    dialogs.expectMessage(quitPrompt, quitTitle, quitStyle, MsgBox::No);
    GetParam().ask(*this);
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().browsePositionLabel->text(), u"1"_s);

    dialogs.expectMessage(quitPrompt, quitTitle, quitStyle, MsgBox::Yes);
    GetParam().ask(*this);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(workDirEntries(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
        Ways, Quit,
        ::testing::Values(QuitWay{"Beenden",
                                  [](ProgramFixture &f) { f.click(f.main().quitButton); }},
                          QuitWay{"Escape", [](ProgramFixture &f) { f.press(Qt::Key_Escape); }},
                          QuitWay{"WindowFrame", [](ProgramFixture &f) { f.main().close(); }}),
        [](const auto &info) { return std::string(info.param.name); });

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
    const char16_t *shownQuestion, *typed;
    bool opensEditor;
};

class EditorAccess : public ProgramFixture, public ::testing::WithParamInterface<PasswordCase>
{ };

TEST_P(EditorAccess, OpensTheEditorOnlyForTheShownQuestionExactly)
{
    const PasswordCase &entry = GetParam();
    main().questionDisplay->setText(QString::fromUtf16(entry.shownQuestion));
    dialogs.expectInput(u"Passwort"_s, u"Bitte eingeben:"_s, QString(),
                        QString::fromUtf16(entry.typed));
    click(main().editorButton);
    EXPECT_EQ(editor().isVisible(), entry.opensEditor);
    EXPECT_EQ(main().isVisible(), !entry.opensEditor);
    EXPECT_EQ(main().questionDisplay->text(), QString::fromUtf16(entry.shownQuestion));
}

const char16_t *const shown = u"Wie viele Windstärken gibt es?";

INSTANTIATE_TEST_SUITE_P(
        Passwords, EditorAccess,
        ::testing::Values(
                PasswordCase{"TheShownQuestion", shown, shown, true},
                PasswordCase{"OtherLetterCase", shown, u"wie viele windstärken gibt es?", false},
                PasswordCase{"ExtraBlank", shown, u"Wie viele Windstärken gibt es? ", false},
                PasswordCase{"AnotherQuestion", shown, u"Wer erfand das Dezimalsystem?", false},
                PasswordCase{"EmptyOrCancel", shown, u"", false},
                PasswordCase{"EmptyQuestionEmptyInput", u"", u"", false},
                PasswordCase{"EmptyQuestionAnyInput", u"", u"Passwort", false}),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
