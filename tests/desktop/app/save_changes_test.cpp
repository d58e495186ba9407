#include "edit_fixture.h"

#include "app/exit_prompt_dialog.h"
#include "editor/progress_dialog.h"
#include "form/channel_row.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

enum class Command { New, Open, Read, Exit };

const char* CommandName(Command command)
{
    switch (command) {
    case Command::New: return "new";
    case Command::Open: return "open";
    case Command::Read: return "read";
    case Command::Exit: return "exit";
    }
    return "?";
}

const char* AnswerName(QMessageBox::StandardButton answer)
{
    switch (answer) {
    case QMessageBox::Save: return "save";
    case QMessageBox::Discard: return "discard";
    default: return "cancel";
    }
}

class SaveQuestion : public EditTest {
protected:
    // Channel 1 typed in: the form now differs from File New's.
    void Change()
    {
        PickCell(1, 1);
        Type("150");
        Key(Qt::Key_Return);
        ASSERT_EQ(Grid()->GetTextMatrix(1, 1), "150.00000");
    }

    // The command as the user gives it; the exit prompt, when it comes, is
    // answered Yes.
    void Give(Command command)
    {
        switch (command) {
        case Command::New:
            Key(Qt::Key_N, Qt::ControlModifier);
            break;
        case Command::Open:
            Key(Qt::Key_O, Qt::ControlModifier);
            break;
        case Command::Read:
            Key(Qt::Key_R, Qt::ControlModifier);
            break;
        case Command::Exit:
            m_frame->CommandAction(ID_APP_EXIT)->trigger();
            break;
        }
        Settle();
    }

    // Whether the command went on past the question.
    bool WentOn(Command command)
    {
        switch (command) {
        case Command::New:
            return Grid()->GetTextMatrix(1, 1).isEmpty();
        case Command::Open:
            return View().PttIdCodeEdit()->text() == "4321";
        case Command::Read:
            return View().ProgressDialog()->isVisible();
        case Command::Exit:
            return !m_frame->isVisible();
        }
        return false;
    }

    void ExpectExitPrompt(Command command, std::function<void(QDialog&)>& next)
    {
        if (command == Command::Exit)
            next = [](QDialog& dialog) {
                auto* prompt = qobject_cast<CExitPromptDialog*>(&dialog);
                ASSERT_NE(prompt, nullptr);
                QTest::mouseClick(prompt->m_buttonOk, Qt::LeftButton);
            };
    }

    void TearDown() override
    {
        if (View().ProgressDialog()->isVisible())
            QTest::mouseClick(View().ProgressDialog()->m_buttonCancel, Qt::LeftButton);
    }
};

struct AnswerCase {
    Command command;
    QMessageBox::StandardButton answer;
};

class EachAnswer : public SaveQuestion, public testing::WithParamInterface<AnswerCase> {};

TEST_P(EachAnswer, DecidesWhetherTheChangesAreSavedAndTheCommandGoesOn)
{
    const AnswerCase& c = GetParam();
    const QString saved = Path("saved.sin");
    // Save As asks for a name first, then Open for the file to open.
    m_docManager.m_answers = QStringList{WriteFile("other.sin", "4321")};
    if (c.answer == QMessageBox::Save)
        m_docManager.m_answers.prepend(saved);
    Change();

    QString asked;
    std::function<void(QDialog&)> next;
    if (c.answer != QMessageBox::Cancel)
        ExpectExitPrompt(c.command, next);
    AnswerSaveQuestion(c.answer, &asked, next);
    Give(c.command);

    EXPECT_EQ(asked, "Save changes to Untitled?");
    EXPECT_EQ(WentOn(c.command), c.answer != QMessageBox::Cancel);
    RadioImage file;
    const bool written = LoadChannelFile(saved, file).ok();
    EXPECT_EQ(written, c.answer == QMessageBox::Save);
    if (written) {
        EXPECT_FALSE(IsChannelEmpty(file.channel(1)));
    }
    if (c.answer == QMessageBox::Cancel) {
        EXPECT_EQ(Grid()->GetTextMatrix(1, 1), "150.00000");
        EXPECT_EQ(m_frame->m_paneModified->text(), "Modified");
        EXPECT_TRUE(m_frame->CommandAction(ID_EDIT_UNDO)->isEnabled());
    }
}

std::vector<AnswerCase> AllAnswers()
{
    std::vector<AnswerCase> cases;
    for (Command command : {Command::New, Command::Open, Command::Read, Command::Exit})
        for (auto answer : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
            cases.push_back({command, answer});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(CommandsAndAnswers, EachAnswer, testing::ValuesIn(AllAnswers()), [](const auto& info) {
    return std::string(CommandName(info.param.command)) + "_" + AnswerName(info.param.answer);
});

class Unchanged : public SaveQuestion, public testing::WithParamInterface<Command> {};

// No question: the test environment fails any dialog nobody answers.
TEST_P(Unchanged, FormIsNotAskedAbout)
{
    m_docManager.m_answers = QStringList{WriteFile("other.sin", "4321")};
    // Changed and changed back is unchanged.
    PickCell(2, 6);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Z, Qt::ControlModifier);
    std::function<void(QDialog&)> exitPrompt;
    ExpectExitPrompt(GetParam(), exitPrompt);
    if (exitPrompt)
        OnceModal(exitPrompt);
    Give(GetParam());
    EXPECT_TRUE(WentOn(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Commands, Unchanged,
                         testing::Values(Command::New, Command::Open, Command::Read, Command::Exit),
                         [](const auto& info) { return std::string(CommandName(info.param)); });

class Loading : public SaveQuestion, public testing::WithParamInterface<Command> {};

TEST_P(Loading, StartsAFreshHistory)
{
    m_frame->CommandAction(ID_PORT_SIMULATED)->trigger();
    m_docManager.m_answers = QStringList{WriteFile("other.sin", "4321")};
    Change();
    PickCell(1, 1);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(m_frame->CommandAction(ID_EDIT_UNDO)->isEnabled());
    ASSERT_TRUE(m_frame->CommandAction(ID_EDIT_REDO)->isEnabled());

    AnswerSaveQuestion(QMessageBox::Discard);
    Give(GetParam());
    if (GetParam() == Command::Read) {
        ASSERT_TRUE(View().ProgressDialog()->isVisible());
        QTest::mouseClick(View().ProgressDialog()->m_buttonOk, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !View().ProgressDialog()->isVisible(); }, 20000));
        ASSERT_EQ(Grid()->GetTextMatrix(1, 1), "145.52500") << "the simulated radio's channel 1";
    }
    EXPECT_FALSE(m_frame->CommandAction(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(m_frame->CommandAction(ID_EDIT_REDO)->isEnabled());
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "Undo");
    EXPECT_EQ(m_frame->m_paneModified->text(), "");
}

INSTANTIATE_TEST_SUITE_P(Commands, Loading, testing::Values(Command::New, Command::Open, Command::Read),
                         [](const auto& info) { return std::string(CommandName(info.param)); });

TEST_F(SaveQuestion, NamesTheOpenFileAndSavesItInPlace)
{
    const QString path = WriteFile("radio.sin", "55");
    m_docManager.m_answers = QStringList{path};
    Give(Command::Open);
    Change();
    QString asked;
    AnswerSaveQuestion(QMessageBox::Save, &asked);
    Give(Command::New);
    EXPECT_EQ(asked, "Save changes to radio.sin?");
    RadioImage file;
    ASSERT_TRUE(LoadChannelFile(path, file).ok());
    EXPECT_FALSE(IsChannelEmpty(file.channel(1)));
    EXPECT_TRUE(Grid()->GetTextMatrix(1, 1).isEmpty());
}

TEST_F(SaveQuestion, OffersSaveDiscardAndCancelWithSaveTheDefault)
{
    Change();
    OnceModal([](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        QStringList buttons;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text().remove(u'&');
        buttons.sort();
        EXPECT_EQ(buttons, QStringList({"Cancel", "Discard", "Save"}));
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Save));
        EXPECT_EQ(box->windowTitle(), "Programming Software");
        SaveShot(dialog, "save_question");
        // Esc is Cancel.
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Give(Command::New);
    EXPECT_EQ(Grid()->GetTextMatrix(1, 1), "150.00000");
}

TEST_F(SaveQuestion, ASaveAsCancelledKeepsTheForm)
{
    Change();
    AnswerSaveQuestion(QMessageBox::Save);
    Give(Command::New);
    EXPECT_EQ(m_docManager.m_prompts, QStringList{"save"});
    EXPECT_EQ(Grid()->GetTextMatrix(1, 1), "150.00000");
}

TEST_F(SaveQuestion, StatusBarNamesTheFileAndSaysModifiedWhileTheFormDiffers)
{
    const QString title = m_frame->windowTitle();
    const struct {
        const char* name;
        std::function<void()> act;
        const char* file;
        const char* modified;
    } steps[] = {
        {"new", [] {}, "Untitled", ""},
        {"typed", [this] { Change(); }, "Untitled", "Modified"},
        {"undone", [this] { Key(Qt::Key_Z, Qt::ControlModifier); }, "Untitled", ""},
        {"redone", [this] { Key(Qt::Key_Y, Qt::ControlModifier); }, "Untitled", "Modified"},
        {"saved_as",
         [this] {
             m_docManager.m_answers = QStringList{Path("kept.sin")};
             Key(Qt::Key_S, Qt::ControlModifier);
         },
         "kept.sin", ""},
        {"undone_past_the_save", [this] { Key(Qt::Key_Z, Qt::ControlModifier); }, "kept.sin", "Modified"},
        {"code_typed_not_left",
         [this] {
             Key(Qt::Key_Y, Qt::ControlModifier);
             View().PttIdCodeEdit()->setFocus();
             Type("9");
         },
         "kept.sin", "Modified"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(m_frame->m_paneFile->text(), step.file);
        EXPECT_EQ(m_frame->m_paneModified->text(), step.modified);
        EXPECT_EQ(m_frame->windowTitle(), title);
    }
}

} // namespace
