#include "form_fixture.h"

#include "image/image_layout.h"

namespace {

using FormLoad = FormTest;

TEST_P(FormLoad, ResetImageShowsTheDefaults)
{
    RadioImage image;
    image.ResetToDefaults();
    m_form->load(image);

    const std::pair<FormCombo, std::string> shown[] = {
        {FormCombo::Model, "HM-615V"},   {FormCombo::Band, "136-174MHz"},      {FormCombo::Squelch, "5"},
        {FormCombo::Tot, "60s"},         {FormCombo::Voice, "Chinese"},        {FormCombo::Beep, "On"},
        {FormCombo::VoxSwitch, "Off"},   {FormCombo::BatterySaver, "On"},      {FormCombo::PttId, "Begin"},
    };
    for (const auto& [combo, text] : shown) {
        SCOPED_TRACE(text);
        EXPECT_EQ(form().GetComboText(combo), text);
    }
    EXPECT_FALSE(form().IsComboEnabled(FormCombo::VoxGain));
    EXPECT_EQ(form().GetPttIdCode(), "");
    for (long n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(row(n), kEmptyRow);
        EXPECT_EQ(form().GetTextMatrix(n, 0), std::to_string(n));
    }
    EXPECT_EQ(g_bandLow, 13600000u);
    EXPECT_EQ(g_bandHigh, 17400000u);
    EXPECT_EQ(m_form->appliedModel(), 0);
}

struct ChannelCase {
    const char* name;
    Bytes16 bytes;
    std::vector<std::string> cells;
};

using ChannelLoad = FormCaseTest<ChannelCase>;

const ChannelCase kChannelCases[] = {
    {"simplex_ctcss_tx",
     {0x00, 0x25, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x06, 0xF5, 0xFF, 0xFF, 0xFF},
     {"145.52500", "", "Off", "67.0", "QT/DQT", "High", "Narrow", "Del"}},
    {"byte3_zero_is_empty",
     {0x00, 0x25, 0x55, 0x00, 0x00, 0x25, 0x55, 0x14, 0x70, 0x06, 0x70, 0x06, 0x1B, 0xFF, 0xFF, 0xFF},
     kEmptyRow},
    {"byte3_ff_is_empty",
     {0x00, 0x25, 0x55, 0xFF, 0x00, 0x25, 0x55, 0x14, 0x70, 0x06, 0x70, 0x06, 0x1B, 0xFF, 0xFF, 0xFF},
     kEmptyRow},
    {"tx_byte7_zero_is_absent",
     {0x50, 0x12, 0x60, 0x13, 0x50, 0x12, 0x60, 0x00, 0x23, 0x80, 0x54, 0xC7, 0x02, 0x00, 0x00, 0x00},
     {"136.01250", "", "D023N", "D754I", "Carrier", "Low", "Wide", "Del"}},
    {"duplex_busy_bits_00_read_off",
     {0x50, 0x62, 0x25, 0x46, 0x00, 0x00, 0x40, 0x17, 0x41, 0x25, 0x00, 0x10, 0x18, 0xAB, 0xCD, 0xEF},
     {"462.56250", "174.00000", "254.1", "100.0", "Off", "High", "Wide", "Add"}},
    {"tone_off_whatever_the_low_byte",
     {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x60, 0x13, 0x12, 0xFF, 0x00, 0x00, 0xEF, 0xFF, 0xFF, 0xFF},
     {"136.00000", "136.00000", "Off", "0.0", "Off", "Low", "Narrow", "Add"}},
};

TEST_P(ChannelLoad, ShowsTheChannelInItsRow)
{
    const ChannelCase& c = testCase();
    for (int n : {1, 9, 16}) {
        SCOPED_TRACE(n);
        m_form->load(ImageWithChannel(n, c.bytes));
        EXPECT_EQ(row(n), c.cells);
        EXPECT_EQ(row(n == 1 ? 2 : 1), kEmptyRow);
        EXPECT_EQ(form().GetTextMatrix(n, 0), std::to_string(n));
    }
}

struct SettingCase {
    const char* name;
    std::size_t offset;
    std::uint8_t value;
    FormCombo combo;
    int index;   // -1: no selection
};

// Beyond the lists the bounds 10 and 4 let a value through that selects
// nothing; further out the first item is shown.
const SettingCase kSettingCases[] = {
    {"model_ff", layout::kModel, 0xFF, FormCombo::Model, 0},
    {"model_38", layout::kModel, 0x38, FormCombo::Model, 1},
    {"model_below_base", layout::kModel, 0x36, FormCombo::Model, -1},
    {"model_bound_passes", layout::kModel, 0x41, FormCombo::Model, -1},   // m = 10: not above the bound, no item
    {"model_past_bound", layout::kModel, 0x42, FormCombo::Model, 0},      // m = 11: above it, item 0
    {"band_ee", layout::kBand, 0xEE, FormCombo::Band, 0},
    {"band_ef_in_bound", layout::kBand, 0xEF, FormCombo::Band, -1},
    {"band_f3_past_bound", layout::kBand, 0xF3, FormCombo::Band, 0},
    {"band_below_base", layout::kBand, 0x05, FormCombo::Band, 0},
    {"squelch_9", layout::kSquelchLevel, 9, FormCombo::Squelch, 9},
    {"squelch_10", layout::kSquelchLevel, 10, FormCombo::Squelch, -1},
    {"squelch_11", layout::kSquelchLevel, 11, FormCombo::Squelch, 0},
    {"tot_0", layout::kTot, 0, FormCombo::Tot, -1},
    {"tot_1", layout::kTot, 1, FormCombo::Tot, 0},
    {"tot_10", layout::kTot, 10, FormCombo::Tot, 9},
    {"tot_11", layout::kTot, 11, FormCombo::Tot, -1},
    {"tot_12", layout::kTot, 12, FormCombo::Tot, 0},
    {"vox_0_switch", layout::kVox, 0, FormCombo::VoxSwitch, 0},
    {"vox_0_gain", layout::kVox, 0, FormCombo::VoxGain, 0},
    {"vox_9_switch", layout::kVox, 9, FormCombo::VoxSwitch, 1},
    {"vox_9_gain", layout::kVox, 9, FormCombo::VoxGain, 8},
    {"vox_12_gain_falls_back", layout::kVox, 12, FormCombo::VoxGain, 0},
    {"vox_12_switch", layout::kVox, 12, FormCombo::VoxSwitch, 1},
    {"voice_00", layout::kFunctionBits, 0x03, FormCombo::Voice, 1},
    {"voice_01", layout::kFunctionBits, 0x0B, FormCombo::Voice, 0},
    {"voice_10", layout::kFunctionBits, 0x13, FormCombo::Voice, 2},
    {"voice_11", layout::kFunctionBits, 0x1B, FormCombo::Voice, 0},
    {"beep_off", layout::kFunctionBits, 0x02, FormCombo::Beep, 1},
    {"beep_on", layout::kFunctionBits, 0x01, FormCombo::Beep, 0},
    {"battery_off", layout::kFunctionBits, 0x01, FormCombo::BatterySaver, 1},
    {"battery_on", layout::kFunctionBits, 0xE6, FormCombo::BatterySaver, 0},
    {"ptt_id_off", layout::kPttId, 0xFC, FormCombo::PttId, 0},
    {"ptt_id_end", layout::kPttId, 0x02, FormCombo::PttId, 2},
    {"ptt_id_both", layout::kPttId, 0xFF, FormCombo::PttId, 3},
};

using SettingLoad = FormCaseTest<SettingCase>;

TEST_P(SettingLoad, SelectsTheItemOfTheImageValue)
{
    const SettingCase& c = testCase();
    RadioImage image;
    image.ResetToDefaults();
    image.setByte(c.offset, c.value);
    m_form->load(image);
    EXPECT_EQ(form().GetCurSel(c.combo), c.index);
    if (c.index < 0) {
        EXPECT_EQ(form().GetComboText(c.combo), "");
    }
}

TEST_P(FormLoad, VoxGainIsEnabledOnlyWithTheSwitchOn)
{
    for (std::uint8_t vox : {0, 1, 9, 12, 0}) {
        SCOPED_TRACE(vox);
        RadioImage image;
        image.ResetToDefaults();
        image.setByte(layout::kVox, vox);
        m_form->load(image);
        EXPECT_EQ(form().IsComboEnabled(FormCombo::VoxGain), vox != 0);
    }
}

// The edit shows letters in upper case, loaded ones too; the micro sign and
// the sharp s have no upper case within one byte and stay.
TEST_P(FormLoad, PttIdCodeIsTheTextBeforeTheFirstFF)
{
    struct Case {
        std::string field;
        std::string shown;
    };
    const Case cases[] = {
        {std::string("1234\xFF\xFF\xFF\xFF", 8), "1234"},
        {"12345678", "12345678"},
        {std::string("\xFF" "BCD\xFF\xFF\xFF\xFF", 8), ""},
        {std::string("a\xE9\xFF" "CDEFG", 8), "A\u00C9"},
        {std::string("x\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8), "X"},
        {std::string("\xB5\xDF\xFF\xFF\xFF\xFF\xFF\xFF", 8), "\u00B5\u00DF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        RadioImage image;
        image.ResetToDefaults();
        for (int i = 0; i < 8; ++i)
            image.setByte(layout::kPttIdCode + static_cast<std::size_t>(i), static_cast<std::uint8_t>(c.field[i]));
        m_form->load(image);
        EXPECT_EQ(form().GetPttIdCode(), c.shown);
    }
}

TEST_P(FormLoad, UnknownModelKeepsTheBandListOfAFreshForm)
{
    RadioImage image = ImageWithChannel(
        2, {0x00, 0x25, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x06, 0xF5, 0xFF, 0xFF, 0xFF});
    image.setByte(layout::kModel, 0x39);
    m_form->load(image);
    EXPECT_EQ(form().GetCurSel(FormCombo::Model), -1);
    EXPECT_EQ(form().GetComboText(FormCombo::Band), "136-174MHz");
    EXPECT_EQ(g_bandLow, 13600000u);
    EXPECT_EQ(g_bandHigh, 17400000u);
    EXPECT_EQ(form().GetTextMatrix(2, 1), "145.52500");
}

TEST_P(FormLoad, UnknownModelAfterAnAppliedOneEmptiesTheBandList)
{
    RadioImage image;
    image.ResetToDefaults();
    image.setByte(layout::kModel, 0x38);
    m_form->load(image);
    ASSERT_EQ(g_bandLow, 40000000u);

    RadioImage unknown = ImageWithChannel(
        2, {0x00, 0x25, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x06, 0xF5, 0xFF, 0xFF, 0xFF});
    unknown.setByte(layout::kModel, 0x39);
    m_form->load(unknown);
    EXPECT_EQ(form().GetCurSel(FormCombo::Model), -1);
    EXPECT_EQ(form().GetCount(FormCombo::Band), 0);
    EXPECT_EQ(form().GetComboText(FormCombo::Band), "");
    EXPECT_EQ(g_bandLow, 40000000u);
    EXPECT_EQ(g_bandHigh, 52000000u);
    EXPECT_EQ(form().GetTextMatrix(2, 1), "145.52500");
    EXPECT_EQ(m_form->appliedModel(), -1);
}

TEST_P(FormLoad, ModelOfTheImageSetsItsBandWithoutLosingTheChannels)
{
    RadioImage image = ImageWithChannel(
        5, {0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0xFF, 0xFF, 0xFF});
    image.setByte(layout::kModel, 0x38);
    m_form->load(image);
    EXPECT_EQ(form().GetComboText(FormCombo::Model), "HM-615U");
    EXPECT_EQ(form().GetComboText(FormCombo::Band), "400-520MHz");
    EXPECT_EQ(form().GetCount(FormCombo::Band), 1);
    EXPECT_EQ(g_bandLow, 40000000u);
    EXPECT_EQ(g_bandHigh, 52000000u);
    EXPECT_EQ(form().GetTextMatrix(5, 1), "462.56250");
}

TEST_P(FormLoad, LoadingReplacesEverythingShownBefore)
{
    m_form->load(ImageWithChannel(
        3, {0x00, 0x25, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x06, 0xF5, 0xFF, 0xFF, 0xFF}));
    form().SetPttIdCode("99");
    RadioImage reset;
    reset.ResetToDefaults();
    m_form->load(reset);
    EXPECT_EQ(row(3), kEmptyRow);
    EXPECT_EQ(form().GetPttIdCode(), "");
}

INSTANTIATE_TEST_SUITE_P(Forms, FormLoad, kFormsUnderTest, ::testing::PrintToStringParamName());
INSTANTIATE_TEST_SUITE_P(Forms, ChannelLoad, ::testing::Combine(kFormsUnderTest, ::testing::ValuesIn(kChannelCases)),
                         CaseName());
INSTANTIATE_TEST_SUITE_P(Forms, SettingLoad, ::testing::Combine(kFormsUnderTest, ::testing::ValuesIn(kSettingCases)),
                         CaseName());

} // namespace
