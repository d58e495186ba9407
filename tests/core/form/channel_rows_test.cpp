#include "codec/frequency.h"
#include "form/channel_rows.h"
#include "form/form_contents.h"
#include "form/form_record.h"
#include "form/paste_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

constexpr std::uint32_t kVhfLow = 13600000;
constexpr std::uint32_t kVhfHigh = 17400000;

const Row kEmpty(8);

class ChannelRowsTest : public ::testing::Test {
protected:
    Row row(long n) const
    {
        Row cells;
        for (long c = 1; c <= 8; ++c)
            cells.push_back(m_form.GetTextMatrix(n, c));
        return cells;
    }

    void setRow(long n, const Row& cells)
    {
        for (long c = 1; c <= 8; ++c)
            m_form.SetTextMatrix(n, c, cells[static_cast<std::size_t>(c - 1)]);
    }

    // Channel n on 140 + n MHz, in rows 1 to count.
    void fill(long count)
    {
        for (long n = 1; n <= count; ++n)
            setRow(n, marked(n));
    }

    static Row marked(long n)
    {
        const std::string rx = std::to_string(140 + n) + ".00000";
        return {rx, rx, "Off", "Off", "Off", "High", "Wide", "Add"};
    }

    PasteOutcome paste(long at, const std::string& text)
    {
        return PasteChannelRows(m_form, at, text, kVhfLow, kVhfHigh);
    }

    FormRecord m_form = FreshFormRecord();
};

TEST_F(ChannelRowsTest, CopiedRowsAreTabSeparatedCellTextsWithoutTheNumber)
{
    setRow(2, {"145.52500", "", "Off", "67.0", "QT/DQT", "High", "Narrow", "Del"});
    EXPECT_EQ(ChannelRowsText(m_form, {2, 3}), "145.52500\t\tOff\t67.0\tQT/DQT\tHigh\tNarrow\tDel\n"
                                               "\t\t\t\t\t\t\t\n");
}

TEST_F(ChannelRowsTest, CopiedRowsPastedElsewhereAreTheSameChannels)
{
    fill(4);
    setRow(3, {"145.01250", "", "D023N", "254.1", "Carrier", "Low", "Narrow", "Del"});
    const std::string text = ChannelRowsText(m_form, {1, 4});
    const PasteOutcome outcome = paste(9, text);
    EXPECT_EQ(outcome.pasted, 4);
    EXPECT_TRUE(outcome.changed.empty());
    EXPECT_TRUE(outcome.refused.empty());
    EXPECT_EQ(outcome.written, (ChannelSpan{9, 12}));
    for (long n = 1; n <= 4; ++n)
        EXPECT_EQ(row(n + 8), row(n)) << "channel " << n;
}

struct PasteCase {
    const char* name;
    std::string text;
    Row expected;   // row 5 afterwards
    bool changed;
    bool refused;
};

const Row kTyped = {"146.52000", "146.52000", "Off", "Off", "Off", "High", "Wide", "Add"};
const Row kBefore = {"141.00000", "141.00000", "Off", "Off", "Off", "Low", "Wide", "Del"};

const PasteCase kPasteCases[] = {
    {"exact", "146.52000\t146.52000\tOff\tOff\tOff\tHigh\tWide\tAdd\n", kTyped, false, false},
    {"with_channel_number", "7\t146.52000\t146.52000\tOff\tOff\tOff\tHigh\tWide\tAdd\n", kTyped, false, false},
    {"crlf", "146.52\t146.52\tOff\tOff\tOff\tHigh\tWide\tAdd\r\n", kTyped, false, false},
    {"no_trailing_newline", "146.52\t146.52\tOff\tOff\tOff\tHigh\tWide\tAdd", kTyped, false, false},
    {"rx_only_as_typed", "146.52\n", kTyped, false, false},
    {"number_and_rx_only", "5\t146.52\r\n", kTyped, false, false},
    {"empty_tx_cell", "146.52\t\tOff\n", {"146.52000", "", "Off", "Off", "Off", "High", "Wide", "Add"}, false, false},
    {"fewer_columns_keep_the_defaults", "146.52\t147\tD023N\n",
     {"146.52000", "147.00000", "D023N", "Off", "Off", "High", "Wide", "Add"}, false, false},
    {"letters_in_any_case", "146.52\t146.52\td754i\t67\tqt/dqt\tlow\tnarrow\tdel\n",
     {"146.52000", "146.52000", "D754I", "67", "QT/DQT", "Low", "Narrow", "Del"}, false, false},
    {"spreadsheet_quotes_and_spaces", "\" 146.52 \"\t 146.52 \tOff\n", kTyped, false, false},
    {"heading_line_skipped", "CH\tRx Freq\tTx Freq\n1\t146.52\n", kTyped, false, false},
    {"heading_without_number_cell_skipped", "Rx Freq\tTx Freq\n146.52\n", kTyped, false, false},
    {"highest_channel_number_dropped", "16\t146.52\n", kTyped, false, false},
    {"comma_decimal", "146,52\n", kTyped, false, false},
    {"above_the_band_clamped", "200\t145.12345\n",
     {"174.00000", "145.12000", "Off", "Off", "Off", "High", "Wide", "Add"}, true, false},
    {"below_the_band_clamped", "100\n",
     {"136.00000", "136.00000", "Off", "Off", "Off", "High", "Wide", "Add"}, true, false},
    {"off_raster_lowered", "145.013\n",
     {"145.01250", "145.01250", "Off", "Off", "Off", "High", "Wide", "Add"}, true, false},
    {"empty_line_empties_the_channel", "\n", kEmpty, false, false},
    {"copied_empty_channel", "\t\t\t\t\t\t\t\n", kEmpty, false, false},
    {"rx_no_number", "abc\t146.52\n", kBefore, false, true},
    {"tx_no_number", "146.52\tabc\n", kBefore, false, true},
    {"no_rx_but_a_tone", "\t\t67.0\n", kBefore, false, true},
    {"dcs_code_not_octal", "146.52\t146.52\tD088N\n", kBefore, false, true},
    {"tone_not_in_the_list", "146.52\t146.52\tOff\t67.05\n", kBefore, false, true},
    {"unknown_power", "146.52\t146.52\tOff\tOff\tOff\tMedium\n", kBefore, false, true},
};

class PasteRows : public ChannelRowsTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(PasteRows, GoThroughTheRulesOfTyping)
{
    const PasteCase& c = GetParam();
    setRow(5, kBefore);
    setRow(6, marked(6));
    const PasteOutcome outcome = paste(5, c.text);
    EXPECT_EQ(row(5), c.expected);
    EXPECT_EQ(outcome.changed, c.changed ? std::vector<long>{5} : std::vector<long>{});
    EXPECT_EQ(outcome.refused, c.refused ? std::vector<long>{5} : std::vector<long>{});
    EXPECT_EQ(outcome.pasted, c.refused ? 0 : 1);
    EXPECT_EQ(row(6), marked(6)) << "one line fills one channel";
}

INSTANTIATE_TEST_SUITE_P(Lines, PasteRows, ::testing::ValuesIn(kPasteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each frequency stored other than as typed is named with both values, the
// cell it was typed into and its channel; the untaken rows follow.
TEST_F(ChannelRowsTest, PasteReportNamesEachChangedFrequencyAsTypedAndAsStored)
{
    fill(16);
    const PasteOutcome outcome = paste(15, "440\t100\nabc\n146.52\n");
    EXPECT_EQ(PasteReport(outcome),
              (std::vector<PasteReportLine>{
                  {"1 channel pasted.", {}, false},
                  {"Channel %1 Rx Freq: %2 typed, %3 stored.", {"15", "440", "174.00000"}, true},
                  {"Channel %1 Tx Freq: %2 typed, %3 stored.", {"15", "100", "136.00000"}, true},
                  {"Not pasted, a value this radio cannot hold: channel %1.", {"16"}, true},
                  {"1 row found no channel below the last.", {}, false},
              }));
}

TEST_F(ChannelRowsTest, PasteNamesEachRowItCouldNotTakeAndGoesOnWithTheRest)
{
    fill(16);
    const PasteOutcome outcome = paste(14, "150\nnone\n999\n151\n152\n153\n");
    EXPECT_EQ(row(14)[0], "150.00000");
    EXPECT_EQ(row(15), marked(15));
    EXPECT_EQ(row(16)[0], "174.00000");
    EXPECT_EQ(outcome.pasted, 2);
    EXPECT_EQ(outcome.refused, std::vector<long>{15});
    EXPECT_EQ(outcome.changed, std::vector<long>{16});
    EXPECT_EQ(outcome.beyondLast, 3);
    EXPECT_EQ(outcome.written, (ChannelSpan{14, 16}));
}

TEST_F(ChannelRowsTest, EmptyTextPastesNothing)
{
    fill(3);
    const PasteOutcome outcome = paste(2, "");
    EXPECT_EQ(outcome.pasted, 0);
    EXPECT_EQ(outcome.written.count(), 0);
    EXPECT_EQ(row(2), marked(2));
}

struct MoveCase {
    const char* name;
    ChannelSpan channels;
    int by;
    bool moved;
    std::vector<long> order;   // the channel now in rows 1 to 6
};

const MoveCase kMoveCases[] = {
    {"one_up", {3, 3}, -1, true, {1, 3, 2, 4, 5, 6}},
    {"one_down", {3, 3}, +1, true, {1, 2, 4, 3, 5, 6}},
    {"three_up", {2, 4}, -1, true, {2, 3, 4, 1, 5, 6}},
    {"three_down", {2, 4}, +1, true, {1, 5, 2, 3, 4, 6}},
    {"first_cannot_go_up", {1, 2}, -1, false, {1, 2, 3, 4, 5, 6}},
};

class MoveRows : public ChannelRowsTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveRows, SwapWithTheChannelPassed)
{
    const MoveCase& c = GetParam();
    fill(6);
    EXPECT_EQ(MoveChannels(m_form, c.channels, c.by), c.moved);
    for (long n = 1; n <= 6; ++n)
        EXPECT_EQ(row(n), marked(c.order[static_cast<std::size_t>(n - 1)])) << "row " << n;
    EXPECT_EQ(m_form.GetTextMatrix(3, 0), "3") << "the numbers stay";
}

INSTANTIATE_TEST_SUITE_P(Spans, MoveRows, ::testing::ValuesIn(kMoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChannelRowsTest, TheLastChannelCannotGoDown)
{
    fill(16);
    EXPECT_FALSE(MoveChannels(m_form, {15, 16}, +1));
    EXPECT_EQ(row(16), marked(16));
    EXPECT_TRUE(MoveChannels(m_form, {15, 16}, -1));
    EXPECT_EQ(row(16), marked(14));
}

TEST_F(ChannelRowsTest, ClearEmptiesWithoutShiftingAndDeleteShifts)
{
    fill(8);
    ClearChannels(m_form, {3, 4});
    EXPECT_EQ(row(2), marked(2));
    EXPECT_EQ(row(3), kEmpty);
    EXPECT_EQ(row(4), kEmpty);
    EXPECT_EQ(row(5), marked(5));

    DeleteChannels(m_form, {3, 4});
    EXPECT_EQ(row(3), marked(5));
    EXPECT_EQ(row(6), marked(8));
    EXPECT_EQ(row(7), kEmpty);
    EXPECT_EQ(row(16), kEmpty);
}

} // namespace
