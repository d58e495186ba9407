#include "form_fixture.h"

#include "image/image_layout.h"

namespace {

using FormActions = FormTest;

// A row's texts that tell which channel it came from.
std::vector<std::string> marked(int channel)
{
    std::vector<std::string> cells;
    for (int c = 1; c <= 8; ++c)
        cells.push_back("ch" + std::to_string(channel) + "-col" + std::to_string(c));
    return cells;
}

struct ChannelOpCase {
    const char* name;
    bool add;
    long row;
    int filled;                  // channels 1..filled are in use
    std::vector<int> expected;   // the channel now in rows 1..16, 0 for empty
};

std::vector<int> sequence(std::initializer_list<std::pair<int, int>> runs)
{
    std::vector<int> out;
    for (const auto& [from, to] : runs) {
        for (int n = from; n <= to; ++n)
            out.push_back(n);
    }
    return out;
}

std::vector<int> zeros(int count)
{
    return std::vector<int>(static_cast<std::size_t>(count), 0);
}

std::vector<int> join(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const ChannelOpCase kChannelOpCases[] = {
    {"delete_row_3_of_5", false, 3, 5, join(sequence({{1, 2}, {4, 5}}), zeros(12))},
    {"delete_row_16_of_5", false, 16, 5, join(sequence({{1, 5}}), zeros(11))},
    {"delete_row_16_of_16", false, 16, 16, join(sequence({{1, 15}}), zeros(1))},
    {"delete_row_1_of_16", false, 1, 16, join(sequence({{2, 16}}), zeros(1))},
    {"add_row_3_of_5", true, 3, 5, join(join(sequence({{1, 2}}), zeros(1)), join(sequence({{3, 5}}), zeros(10)))},
    {"add_row_3_of_16_loses_16", true, 3, 16, join(join(sequence({{1, 2}}), zeros(1)), sequence({{3, 15}}))},
    {"add_row_16_of_16", true, 16, 16, join(sequence({{1, 15}}), zeros(1))},
    {"add_row_9_of_5", true, 9, 5, join(sequence({{1, 5}}), zeros(11))},
};

using ChannelOps = FormCaseTest<ChannelOpCase>;

TEST_P(ChannelOps, MovesRowsBelowAndKeepsTheNumbers)
{
    const ChannelOpCase& c = testCase();
    ASSERT_EQ(c.expected.size(), 16u);
    RadioImage reset;
    reset.ResetToDefaults();
    m_form->load(reset);
    for (int n = 1; n <= c.filled; ++n)
        setRow(n, marked(n));

    if (c.add)
        m_form->addChannel(c.row);
    else
        m_form->deleteChannel(c.row);

    for (long n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        const int from = c.expected[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(row(n), from == 0 ? kEmptyRow : marked(from));
        EXPECT_EQ(form().GetTextMatrix(n, 0), std::to_string(n));
    }
    EXPECT_EQ(form().GetTextMatrix(0, 1), "Rx Freq");
}

TEST_P(FormActions, ChoosingAnotherModelSwitchesTheBandAndEmptiesTheChannels)
{
    RadioImage reset;
    reset.ResetToDefaults();
    m_form->load(reset);
    setRow(2, marked(2));
    (void)form().SetCurSel(FormCombo::Squelch, 7);

    m_form->choose(FormCombo::Model, 1);
    EXPECT_EQ(form().GetCount(FormCombo::Band), 1);
    EXPECT_EQ(form().GetComboText(FormCombo::Band), "400-520MHz");
    EXPECT_EQ(g_bandLow, 40000000u);
    EXPECT_EQ(g_bandHigh, 52000000u);
    EXPECT_EQ(row(2), kEmptyRow);
    EXPECT_EQ(form().GetCurSel(FormCombo::Squelch), 7);
    EXPECT_EQ(m_form->appliedModel(), 1);

    // The model already applied changes nothing.
    setRow(2, marked(2));
    m_form->choose(FormCombo::Model, 1);
    EXPECT_EQ(row(2), marked(2));
    EXPECT_EQ(form().GetComboText(FormCombo::Band), "400-520MHz");

    m_form->choose(FormCombo::Model, 0);
    EXPECT_EQ(form().GetComboText(FormCombo::Band), "136-174MHz");
    EXPECT_EQ(g_bandLow, 13600000u);
    EXPECT_EQ(g_bandHigh, 17400000u);
    EXPECT_EQ(row(2), kEmptyRow);
}

TEST_P(FormActions, ChoosingTheBandSetsTheLimits)
{
    RadioImage image;
    image.ResetToDefaults();
    image.setByte(layout::kModel, 0x38);
    m_form->load(image);
    g_bandLow = 1;
    g_bandHigh = 2;
    m_form->choose(FormCombo::Band, 0);
    EXPECT_EQ(g_bandLow, 40000000u);
    EXPECT_EQ(g_bandHigh, 52000000u);
}

TEST_P(FormActions, VoxSwitchEnablesTheGain)
{
    RadioImage reset;
    reset.ResetToDefaults();
    m_form->load(reset);
    ASSERT_FALSE(form().IsComboEnabled(FormCombo::VoxGain));
    (void)form().SetCurSel(FormCombo::VoxGain, -1);

    m_form->choose(FormCombo::VoxSwitch, 1);
    EXPECT_TRUE(form().IsComboEnabled(FormCombo::VoxGain));
    EXPECT_EQ(form().GetComboText(FormCombo::VoxGain), "1");

    (void)form().SetCurSel(FormCombo::VoxGain, 6);
    m_form->choose(FormCombo::VoxSwitch, 0);
    EXPECT_FALSE(form().IsComboEnabled(FormCombo::VoxGain));
    EXPECT_EQ(form().GetComboText(FormCombo::VoxGain), "7");

    m_form->choose(FormCombo::VoxSwitch, 1);
    EXPECT_TRUE(form().IsComboEnabled(FormCombo::VoxGain));
    EXPECT_EQ(form().GetComboText(FormCombo::VoxGain), "7");
}

INSTANTIATE_TEST_SUITE_P(Forms, FormActions, kFormsUnderTest, ::testing::PrintToStringParamName());
INSTANTIATE_TEST_SUITE_P(Forms, ChannelOps, ::testing::Combine(kFormsUnderTest, ::testing::ValuesIn(kChannelOpCases)),
                         CaseName());

} // namespace
