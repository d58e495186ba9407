#include "modal_helpers.h"

#include "app/exit_prompt_dialog.h"
#include "app/message_box.h"
#include "app/version_prompt_dialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace {

enum class Prompt { Exit, Version };

std::unique_ptr<CPromptDialog> MakePrompt(Prompt which)
{
    if (which == Prompt::Exit)
        return std::make_unique<CExitPromptDialog>();
    return std::make_unique<CVersionPromptDialog>();
}

struct PromptTexts {
    Prompt which;
    const char* message;
    const char* ok;
    const char* cancel;
    Qt::Alignment alignment;
};

const PromptTexts kPromptTexts[] = {
    {Prompt::Exit, "Exit the application, all unsaved data will be lost to confirm the exit.", "Yes", "No",
     Qt::AlignLeft | Qt::AlignTop},
    {Prompt::Version, "Please select the correct software version.", "Continue", "Cancel", Qt::AlignCenter},
};

TEST(PromptDialog, ShowsItsFixedTextsWithTheFirstButtonAsDefault)
{
    for (const PromptTexts& row : kPromptTexts) {
        SCOPED_TRACE(row.ok);
        const auto prompt = MakePrompt(row.which);
        EXPECT_EQ(prompt->windowTitle(), "Prompt");
        EXPECT_EQ(prompt->m_staticMessage->text(), row.message);
        EXPECT_EQ(prompt->m_staticMessage->alignment(), row.alignment);
        EXPECT_EQ(prompt->m_buttonOk->text(), row.ok);
        EXPECT_EQ(prompt->m_buttonCancel->text(), row.cancel);
        EXPECT_TRUE(prompt->m_buttonOk->isDefault());
        EXPECT_FALSE(prompt->m_buttonCancel->isDefault());
    }
}

struct PromptAnswer {
    Prompt which;
    Close how;
    int expected;
};

class PromptAnswers : public testing::TestWithParam<PromptAnswer> {};

TEST_P(PromptAnswers, EndWithTheirResult)
{
    const PromptAnswer& row = GetParam();
    SCOPED_TRACE(CloseName(row.how));
    const auto prompt = MakePrompt(row.which);
    OnceModal([&](QDialog&) {
        if (row.how == Close::OkButton)
            QTest::mouseClick(prompt->m_buttonOk, Qt::LeftButton);
        else if (row.how == Close::CancelButton)
            QTest::mouseClick(prompt->m_buttonCancel, Qt::LeftButton);
        else
            CloseByKeyOrBox(*prompt, row.how);
    });
    EXPECT_EQ(prompt->DoModal(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(BothPrompts, PromptAnswers,
    testing::Values(
        PromptAnswer{Prompt::Exit, Close::OkButton, IDOK},
        PromptAnswer{Prompt::Exit, Close::Enter, IDOK},
        PromptAnswer{Prompt::Exit, Close::CancelButton, IDCANCEL},
        PromptAnswer{Prompt::Exit, Close::Escape, IDCANCEL},
        PromptAnswer{Prompt::Exit, Close::CloseBox, IDCANCEL},
        PromptAnswer{Prompt::Version, Close::OkButton, IDOK},
        PromptAnswer{Prompt::Version, Close::Enter, IDOK},
        PromptAnswer{Prompt::Version, Close::CancelButton, IDCANCEL},
        PromptAnswer{Prompt::Version, Close::Escape, IDCANCEL},
        PromptAnswer{Prompt::Version, Close::CloseBox, IDCANCEL}));

TEST(VersionPrompt, CanBeAskedThroughItsFunction)
{
    QWidget owner;
    OnceModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.parentWidget(), &owner);
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(RunVersionPrompt(&owner), IDCANCEL);
}

struct MessageCase {
    const char* text;
    const char* detail;
};

TEST(MessageBox, ShowsFixedTextAndDetailApartWithOnlyOk)
{
    const MessageCase cases[] = {
        {"Could not open the port", ""},
        {"Failed to open document.", "/tmp/x.sin: No such file or directory"},
    };
    for (const MessageCase& row : cases) {
        SCOPED_TRACE(row.text);
        OnceModal([&](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Programming Software");
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->text(), row.text);
            EXPECT_EQ(box->informativeText(), row.detail);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            PressKey(*box, Qt::Key_Return);
        });
        ShowMessageBox(nullptr, row.text, row.detail);
    }
}

} // namespace
