#include "codec/frequency.h"
#include "form/channel_row.h"
#include "form/channel_rows.h"
#include "form/form_actions.h"
#include "form/form_contents.h"
#include "form/form_history.h"
#include "form/form_load.h"
#include "form/form_record.h"
#include "image/text_fill.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A loaded HM-615V form with all 16 channels in use, channel n on
// 140 + n MHz, and its history started from it.
class HistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RadioImage image;
        image.ResetToDefaults();
        LoadFormFromImage(image, m_form, m_appliedModel);
        for (long n = 1; n <= 16; ++n)
            setChannel(n, std::to_string(140 + n) + ".00000");
        m_history.Clear(snapshot({1, 1}));
    }

    void setChannel(long n, const std::string& rx)
    {
        const ChannelCells cells = {rx, rx, "Off", "67.0", "Off", "High", "Wide", "Add"};
        for (std::size_t k = 0; k < cells.size(); ++k)
            m_form.SetTextMatrix(n, static_cast<long>(k) + 1, cells[k]);
    }

    FormSnapshot snapshot(GridCell current) const { return TakeSnapshot(m_form, m_appliedModel, current); }

    // What a host does after a change: record it with the form it left.
    bool record(const FormStep& step, GridCell at) { return m_history.Record(step, snapshot(at), at); }

    void restore(const FormSnapshot& shown) { RestoreSnapshot(shown, m_form, m_appliedModel); }

    FormRecord m_form = FreshFormRecord();
    int m_appliedModel = kNoModelApplied;
    FormHistory m_history;
};

struct StepCase {
    const char* name;
    GridCell at;
    std::function<FormStep(FormRecord&, int&)> change;
    const char* undoText;
};

const StepCase kStepCases[] = {
    {"cell", {5, 1},
     [](FormRecord& form, int&) {
         form.SetTextMatrix(5, 1, "150.00000");
         return FormStep{StepKind::Cell, 5, 0, 1};
     },
     "Channel 5 Rx Freq"},
    {"setting", {1, 1},
     [](FormRecord& form, int&) {
         (void)form.SetCurSel(FormCombo::Squelch, 9);
         return FormStep{StepKind::Setting, 0, 0, 0, FormCombo::Squelch};
     },
     "Squelch Level"},
    {"vox_switch_enables_the_gain", {1, 1},
     [](FormRecord& form, int&) {
         (void)form.SetCurSel(FormCombo::VoxSwitch, 1);
         ApplyVoxSwitch(form);
         return FormStep{StepKind::Setting, 0, 0, 0, FormCombo::VoxSwitch};
     },
     "Vox Switch"},
    {"ptt_id_code", {1, 1},
     [](FormRecord& form, int&) {
         form.SetPttIdCode("1234");
         return FormStep{StepKind::PttIdCode};
     },
     "PTT ID Code"},
    {"model_change_empties_every_channel", {7, 3},
     [](FormRecord& form, int& applied) {
         (void)form.SetCurSel(FormCombo::Model, 1);
         ApplyModel(form, applied);
         return FormStep{StepKind::ModelChange};
     },
     "Model Change"},
    {"add_loses_channel_16", {3, 2},
     [](FormRecord& form, int&) {
         AddChannelAt(form, 3);
         return FormStep{StepKind::AddChannel, 3};
     },
     "Add Channel 3"},
    {"delete", {3, 1},
     [](FormRecord& form, int&) {
         DeleteChannelAt(form, 3);
         return FormStep{StepKind::DeleteChannels, 3};
     },
     "Delete Channel 3"},
    {"delete_several", {4, 1},
     [](FormRecord& form, int&) {
         DeleteChannels(form, {4, 6});
         return FormStep{StepKind::DeleteChannels, 4, 6};
     },
     "Delete Channels 4-6"},
    {"clear", {9, 1},
     [](FormRecord& form, int&) {
         ClearChannels(form, {9, 9});
         return FormStep{StepKind::ClearChannels, 9, 9};
     },
     "Clear Channel 9"},
    {"move", {2, 1},
     [](FormRecord& form, int&) {
         (void)MoveChannels(form, {2, 3}, +1);
         return FormStep{StepKind::Move, 2, 3};
     },
     "Move"},
    {"paste", {10, 1},
     [](FormRecord& form, int&) {
         (void)PasteChannelRows(form, 10, "146.52\n146.55\n", g_bandLow, g_bandHigh);
         return FormStep{StepKind::Paste, 10, 11};
     },
     "Paste"},
};

class HistorySteps : public HistoryTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(HistorySteps, UndoRestoresTheFormAndTheCellAndRedoTakesTheStepAgain)
{
    const StepCase& step = GetParam();
    const FormSnapshot before = snapshot(step.at);
    const FormStep taken = step.change(m_form, m_appliedModel);
    const FormSnapshot after = snapshot(step.at);
    ASSERT_FALSE(after.SameContents(before)) << "the change changed nothing";

    ASSERT_TRUE(record(taken, step.at));
    ASSERT_TRUE(m_history.CanUndo());
    EXPECT_FALSE(m_history.CanRedo());
    EXPECT_EQ(FillText(DescribeStep(*m_history.UndoStep())), step.undoText);
    EXPECT_TRUE(m_history.IsModified(snapshot(step.at)));

    const std::optional<FormSnapshot> undone = m_history.Undo();
    ASSERT_TRUE(undone);
    restore(*undone);
    EXPECT_EQ(snapshot(undone->current), before);
    EXPECT_EQ(undone->current, step.at);
    EXPECT_FALSE(m_history.IsModified(snapshot(step.at)));
    EXPECT_FALSE(m_history.CanUndo());
    EXPECT_EQ(FillText(DescribeStep(*m_history.RedoStep())), step.undoText);

    const std::optional<FormSnapshot> redone = m_history.Redo();
    ASSERT_TRUE(redone);
    restore(*redone);
    EXPECT_EQ(snapshot(redone->current), after);
    EXPECT_TRUE(m_history.IsModified(snapshot(step.at)));
}

INSTANTIATE_TEST_SUITE_P(EachKind, HistorySteps, ::testing::ValuesIn(kStepCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryTest, UndoingTheModelSwitchBringsBackEveryChannelAndTheBand)
{
    (void)m_form.SetCurSel(FormCombo::Model, 1);
    ApplyModel(m_form, m_appliedModel);
    ASSERT_EQ(g_bandLow, 40000000u);
    ASSERT_TRUE(record({StepKind::ModelChange}, {1, 1}));
    ASSERT_EQ(m_form.GetTextMatrix(16, 1), "");

    restore(*m_history.Undo());
    for (long n = 1; n <= 16; ++n)
        EXPECT_EQ(m_form.GetTextMatrix(n, 1), std::to_string(140 + n) + ".00000") << "channel " << n;
    EXPECT_EQ(m_form.GetComboText(FormCombo::Model), "HM-615V");
    EXPECT_EQ(m_form.combo(FormCombo::Band).items, std::vector<std::string>{"136-174MHz"});
    EXPECT_EQ(m_appliedModel, 0);
    EXPECT_EQ(g_bandLow, 13600000u);
    EXPECT_EQ(g_bandHigh, 17400000u);

    // The model applied again by a user after the undo still empties them.
    (void)m_form.SetCurSel(FormCombo::Model, 1);
    ApplyModel(m_form, m_appliedModel);
    EXPECT_EQ(m_form.GetTextMatrix(1, 1), "");
}

TEST_F(HistoryTest, UndoingAddBringsBackChannel16)
{
    AddChannelAt(m_form, 1);
    ASSERT_TRUE(record({StepKind::AddChannel, 1}, {1, 1}));
    ASSERT_EQ(m_form.GetTextMatrix(16, 1), "155.00000");
    restore(*m_history.Undo());
    EXPECT_EQ(m_form.GetTextMatrix(16, 1), "156.00000");
    EXPECT_EQ(m_form.GetTextMatrix(1, 1), "141.00000");
}

TEST_F(HistoryTest, ANewStepForgetsTheUndoneOnes)
{
    m_form.SetTextMatrix(2, 6, "Low");
    ASSERT_TRUE(record({StepKind::Cell, 2, 0, 6}, {2, 6}));
    m_form.SetTextMatrix(3, 6, "Low");
    ASSERT_TRUE(record({StepKind::Cell, 3, 0, 6}, {3, 6}));
    restore(*m_history.Undo());
    ASSERT_TRUE(m_history.CanRedo());

    m_form.SetTextMatrix(4, 6, "Low");
    ASSERT_TRUE(record({StepKind::Cell, 4, 0, 6}, {4, 6}));
    EXPECT_FALSE(m_history.CanRedo());
    EXPECT_FALSE(m_history.Redo());
    EXPECT_EQ(FillText(DescribeStep(*m_history.UndoStep())), "Channel 4 Power");
    restore(*m_history.Undo());
    EXPECT_EQ(FillText(DescribeStep(*m_history.UndoStep())), "Channel 2 Power");
    EXPECT_EQ(m_form.GetTextMatrix(3, 6), "High");
}

TEST_F(HistoryTest, AChangeThatChangesNothingIsNoStep)
{
    m_form.SetTextMatrix(5, 6, "High");
    EXPECT_FALSE(record({StepKind::Cell, 5, 0, 6}, {5, 6}));
    EXPECT_FALSE(m_history.CanUndo());
    EXPECT_FALSE(m_history.Undo());
}

TEST_F(HistoryTest, ModifiedFollowsTheLastLoadOrSave)
{
    const struct {
        const char* name;
        std::function<void()> act;
        bool modified;
    } steps[] = {
        {"edited", [&] { m_form.SetTextMatrix(1, 6, "Low"); (void)record({StepKind::Cell, 1, 0, 6}, {1, 6}); }, true},
        {"undone_to_the_load", [&] { restore(*m_history.Undo()); }, false},
        {"redone", [&] { restore(*m_history.Redo()); }, true},
        {"saved", [&] { m_history.MarkSaved(snapshot({1, 1})); }, false},
        {"undone_past_the_save", [&] { restore(*m_history.Undo()); }, true},
        {"edited_back_by_hand",
         [&] {
             m_form.SetTextMatrix(1, 6, "Low");
             (void)record({StepKind::Cell, 1, 0, 6}, {1, 6});
         },
         false},
        {"loaded_afresh", [&] { m_form.SetTextMatrix(2, 6, "Low"); m_history.Clear(snapshot({1, 1})); }, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        // Where the current cell is does not count.
        EXPECT_EQ(m_history.IsModified(snapshot({9, 9})), step.modified);
    }
    EXPECT_FALSE(m_history.CanUndo());
}

TEST_F(HistoryTest, TheOldestStepsAreForgottenBeyondTheLimit)
{
    for (std::size_t i = 0; i <= FormHistory::kMostSteps; ++i) {
        m_form.SetPttIdCode(std::to_string(i));
        ASSERT_TRUE(record({StepKind::PttIdCode}, {1, 1}));
    }
    std::size_t undone = 0;
    while (const std::optional<FormSnapshot> shown = m_history.Undo()) {
        restore(*shown);
        ++undone;
    }
    EXPECT_EQ(undone, FormHistory::kMostSteps);
    EXPECT_EQ(m_form.GetPttIdCode(), "0");
}

TEST(StepText, NamesTheChannelsAndFillsEachArgOnce)
{
    const struct {
        FormStep step;
        const char* text;
    } cases[] = {
        {{StepKind::Cell, 12, 0, 8}, "Channel 12 Scan"},
        {{StepKind::Cell, 1, 0, 4}, "Channel 1 Tx Tone"},
        {{StepKind::CutChannels, 2, 2}, "Cut Channel 2"},
        {{StepKind::CutChannels, 2, 5}, "Cut Channels 2-5"},
        {{StepKind::ClearChannels, 7, 0}, "Clear Channel 7"},
        {{StepKind::Setting, 0, 0, 0, FormCombo::Band}, "Frequency"},
        {{StepKind::ImportChannels}, "Import Channels"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillText(DescribeStep(c.step)), c.text);
    // An arg that itself holds "%1" is not filled in again.
    EXPECT_EQ(FillText(UiText{"%1 and %2", {"%2", "x"}}), "%2 and x");
}

} // namespace
