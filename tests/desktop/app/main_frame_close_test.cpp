#include "frame_fixture.h"

#include "app/exit_prompt_dialog.h"
#include "app/kill_code_dialog.h"
#include "app/password_dialog.h"

#include "image/image_layout.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// How the user answers the exit prompt.
struct ExitAnswer {
    Close how;
    bool closes;
};

class ExitPrompt : public FrameTest, public testing::WithParamInterface<ExitAnswer> {};

void Answer(QDialog& dialog, Close how)
{
    auto* prompt = qobject_cast<CExitPromptDialog*>(&dialog);
    ASSERT_NE(prompt, nullptr);
    if (how == Close::OkButton)
        QTest::mouseClick(prompt->m_buttonOk, Qt::LeftButton);
    else if (how == Close::CancelButton)
        QTest::mouseClick(prompt->m_buttonCancel, Qt::LeftButton);
    else
        CloseByKeyOrBox(dialog, how);
}

TEST_P(ExitPrompt, DecidesWhetherTheWindowCloses)
{
    const ExitAnswer& row = GetParam();
    SCOPED_TRACE(CloseName(row.how));
    View().PttIdCodeEdit()->setText(QStringLiteral("42"));
    // The changed form is offered for saving first; the exit question follows.
    AnswerSaveQuestion(QMessageBox::Discard, nullptr, [&](QDialog& dialog) { Answer(dialog, row.how); });
    EXPECT_EQ(m_frame->close(), row.closes);
    EXPECT_EQ(m_frame->isVisible(), !row.closes);
    EXPECT_EQ(View().PttIdCodeEdit()->text(), "42");
}

INSTANTIATE_TEST_SUITE_P(FourWaysOut, ExitPrompt,
    testing::Values(ExitAnswer{Close::OkButton, true}, ExitAnswer{Close::Enter, true},
                    ExitAnswer{Close::CancelButton, false}, ExitAnswer{Close::Escape, false},
                    ExitAnswer{Close::CloseBox, false}));

using ExitCommands = FrameTest;

TEST_F(ExitCommands, FileExitAndAltF4AskTheSameQuestion)
{
    const std::function<void(CMainFrame&)> ways[] = {
        [](CMainFrame& frame) { frame.CommandAction(ID_APP_EXIT)->trigger(); },
        [](CMainFrame& frame) { QTest::keyClick(&frame, Qt::Key_F4, Qt::AltModifier); },
    };
    for (const auto& way : ways) {
        int asked = 0;
        OnceModal([&](QDialog& dialog) {
            asked += qobject_cast<CExitPromptDialog*>(&dialog) != nullptr;
            PressKey(dialog, Qt::Key_Escape);
        });
        way(*m_frame);
        EXPECT_EQ(asked, 1);
        EXPECT_TRUE(m_frame->isVisible());
    }
}

using KillCodeCommand = FrameTest;

// Answers the password prompt with typed and Enter; the kill code dialog,
// if it comes, gets code typed and Esc.
int RunKillCode(CMainFrame& frame, const char* typed, const char* code)
{
    int killCodeShown = 0;
    OnceModal([&](QDialog& dialog) {
        auto* password = qobject_cast<CPasswordDialog*>(&dialog);
        ASSERT_NE(password, nullptr);
        QTest::keyClicks(password->m_editPassword, typed);
        OnceModal(
            [&](QDialog& next) {
                auto* killCode = qobject_cast<CKillCodeDialog*>(&next);
                ASSERT_NE(killCode, nullptr);
                ++killCodeShown;
                QTest::keyClicks(killCode->m_editKillCode, code);
                QTest::keyClick(killCode->m_editKillCode, Qt::Key_Escape);
            },
            true);
        PressKey(dialog, Qt::Key_Return);
    });
    frame.CommandAction(ID_PROGRAM_KILL_CODE)->trigger();
    QCoreApplication::processEvents();
    return killCodeShown;
}

TEST_F(KillCodeCommand, OpensTheDialogOnTheDocumentsImageOnlyForThePassword)
{
    const struct {
        const char* typed;
        int shown;
        std::uint8_t firstByte;
    } cases[] = {{"352qkm", 1, '7'}, {"352QKM ", 0, 0xFF}, {"352QK", 0, 0xFF}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.typed);
        m_doc.m_image.setByte(layout::kKillCode, 0xFF);
        EXPECT_EQ(RunKillCode(*m_frame, row.typed, "7"), row.shown);
        EXPECT_EQ(m_doc.m_image.byte(layout::kKillCode), row.firstByte);
    }
}

} // namespace
