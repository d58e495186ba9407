#include "form_fixture.h"

#include "image/image_layout.h"

#include <random>

namespace {

using FormStore = FormTest;

RadioImage resetImage()
{
    RadioImage image;
    image.ResetToDefaults();
    return image;
}

Bytes16 channelOf(const RadioImage& image, int n)
{
    Bytes16 bytes{};
    std::copy(image.channel(n).begin(), image.channel(n).end(), bytes.begin());
    return bytes;
}

// ---- channel rows

struct RowCase {
    const char* name;
    std::vector<std::string> cells;
    Bytes16 before;
    Bytes16 after;
};

const RowCase kRowCases[] = {
    // An empty row: no frequencies, tones read as CTCSS 0, busy kept, Narrow, Del, Low.
    {"empty_reset_channel",
     kEmptyRow,
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0xFF, 0xFF, 0xFF},
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xE7, 0xFF, 0xFF, 0xFF}},
    {"empty_row_keeps_busy_bits",
     kEmptyRow,
     {0x00, 0x25, 0x55, 0x14, 0x00, 0x25, 0x55, 0x14, 0x70, 0x06, 0x70, 0x06, 0x02, 0x12, 0x34, 0x56},
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x06, 0x12, 0x34, 0x56}},
    {"simplex_ctcss_tx_keeps_bits_5_to_7",
     {"145.52500", "", "Off", "67.0", "QT/DQT", "High", "Narrow", "Del"},
     {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xAA, 0xDE, 0xAD, 0xBE},
     {0x00, 0x25, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x06, 0xB5, 0xDE, 0xAD, 0xBE}},
    {"dcs_codes_and_wide_add_low_carrier",
     {"136.0125", "462.5625", "D023N", "D754I", "Carrier", "Low", "Wide", "Add"},
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x15, 0x00, 0x00, 0x00},
     {0x50, 0x12, 0x60, 0x13, 0x50, 0x62, 0x25, 0x46, 0x23, 0x80, 0x54, 0xC7, 0x0A, 0x00, 0x00, 0x00}},
    {"ctcss_254_1_and_dcs_without_polarity_keeps_the_code",
     {"174.00000", "174", "254.1", "D023", "QT/DQT", "High", "Narrow", "Add"},
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x12, 0x34, 0x00, 0xFF, 0xFF, 0xFF},
     {0x00, 0x00, 0x40, 0x17, 0x00, 0x00, 0x40, 0x17, 0x41, 0x25, 0x12, 0x34, 0x1D, 0xFF, 0xFF, 0xFF}},
    // Extra decimals are cut, not rounded; option texts compare exactly.
    {"truncated_frequency_and_unknown_options",
     {"145.123456", "abc", "67.09", "Off", "off", "high", "wide", "add"},
     {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF2, 0xFF, 0xFF, 0xFF},
     {0x45, 0x23, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x06, 0xFF, 0xFF, 0xE6, 0xFF, 0xFF, 0xFF}},
    {"non_numeric_rx_text_writes_no_frequency",
     {"x", "146.52", "Off", "Off", "Off", "High", "Wide", "Add"},
     {0x00, 0x25, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF},
     {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x20, 0x65, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x1B, 0xFF, 0xFF, 0xFF}},
};

using RowStore = FormCaseTest<RowCase>;

TEST_P(RowStore, WritesTheRowIntoItsChannelOnly)
{
    const RowCase& c = testCase();
    m_form->load(resetImage());
    for (int n : {1, 8, 16}) {
        SCOPED_TRACE(n);
        RadioImage base = resetImage();
        std::copy(c.before.begin(), c.before.end(), base.channel(n).begin());
        setRow(n, c.cells);
        const RadioImage stored = m_form->store(base);
        EXPECT_EQ(channelOf(stored, n), c.after);
        setRow(n, kEmptyRow);
    }
}

// ---- settings

struct SettingCase {
    const char* name;
    FormCombo combo;
    int index;   // -1: no selection
    std::size_t offset;
    std::uint8_t mask;
    std::uint8_t value;   // of the masked bits
};

const SettingCase kSettingCases[] = {
    {"band_0", FormCombo::Band, 0, layout::kBand, 0xFF, 0xEE},
    {"band_none", FormCombo::Band, -1, layout::kBand, 0xFF, 0xED},
    {"model_1", FormCombo::Model, 1, layout::kModel, 0xFF, 0x38},
    {"model_none", FormCombo::Model, -1, layout::kModel, 0xFF, 0x36},
    {"beep_on", FormCombo::Beep, 0, layout::kFunctionBits, 0x01, 0x01},
    {"beep_off", FormCombo::Beep, 1, layout::kFunctionBits, 0x01, 0x00},
    {"beep_none", FormCombo::Beep, -1, layout::kFunctionBits, 0x01, 0x00},
    {"battery_on", FormCombo::BatterySaver, 0, layout::kFunctionBits, 0x02, 0x02},
    {"battery_off", FormCombo::BatterySaver, 1, layout::kFunctionBits, 0x02, 0x00},
    {"battery_none", FormCombo::BatterySaver, -1, layout::kFunctionBits, 0x02, 0x02},
    {"squelch_9", FormCombo::Squelch, 9, layout::kSquelchLevel, 0xFF, 9},
    {"squelch_none", FormCombo::Squelch, -1, layout::kSquelchLevel, 0xFF, 0xFF},
    {"tot_300s", FormCombo::Tot, 9, layout::kTot, 0xFF, 10},
    {"tot_none", FormCombo::Tot, -1, layout::kTot, 0xFF, 0},
    {"voice_off", FormCombo::Voice, 0, layout::kFunctionBits, 0x18, 0x08},
    {"voice_chinese", FormCombo::Voice, 1, layout::kFunctionBits, 0x18, 0x00},
    {"voice_english", FormCombo::Voice, 2, layout::kFunctionBits, 0x18, 0x10},
    {"voice_none", FormCombo::Voice, -1, layout::kFunctionBits, 0x18, 0x08},
    {"ptt_id_both", FormCombo::PttId, 3, layout::kPttId, 0x03, 0x03},
    {"ptt_id_off", FormCombo::PttId, 0, layout::kPttId, 0x03, 0x00},
    {"ptt_id_none", FormCombo::PttId, -1, layout::kPttId, 0x03, 0x00},
};

using SettingStore = FormCaseTest<SettingCase>;

// The bits of a settings byte that no field of the form writes.
std::uint8_t untouchedBits(std::size_t offset)
{
    if (offset == layout::kFunctionBits)
        return 0xE4;
    if (offset == layout::kPttId)
        return 0xFC;
    return 0x00;
}

TEST_P(SettingStore, WritesTheCodeOfTheSelection)
{
    const SettingCase& c = testCase();
    for (std::uint8_t fill : {0x00, 0xFF}) {
        SCOPED_TRACE(fill);
        RadioImage base = resetImage();
        m_form->load(base);
        base.setByte(c.offset, fill);
        (void)form().SetCurSel(c.combo, c.index);
        const RadioImage stored = m_form->store(base);
        EXPECT_EQ(stored.byte(c.offset) & c.mask, c.value);
        EXPECT_EQ(stored.byte(c.offset) & untouchedBits(c.offset), fill & untouchedBits(c.offset));
    }
}

TEST_P(FormStore, VoxByteFollowsTheSwitchThenTheGain)
{
    struct Case {
        int voxSwitch;
        int gain;
        std::uint8_t vox;
    };
    const Case cases[] = {{0, 8, 0}, {0, -1, 0}, {1, 8, 9}, {1, 0, 1}, {1, -1, 0}, {-1, 2, 3}};
    m_form->load(resetImage());
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.voxSwitch << "/" << c.gain);
        (void)form().SetCurSel(FormCombo::VoxSwitch, c.voxSwitch);
        (void)form().SetCurSel(FormCombo::VoxGain, c.gain);
        EXPECT_EQ(m_form->store(resetImage()).byte(layout::kVox), c.vox);
    }
}

TEST_P(FormStore, PttIdCodeFillsItsFieldWithFF)
{
    struct Case {
        std::string text;
        std::string field;
    };
    const Case cases[] = {
        {"123", std::string("123\xFF\xFF\xFF\xFF\xFF", 8)},
        {"", std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8)},
        {"ABCD1234", "ABCD1234"},
        {"\u00C9#*", std::string("\xC9#*\xFF\xFF\xFF\xFF\xFF", 8)},
    };
    m_form->load(resetImage());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        form().SetPttIdCode(c.text);
        RadioImage base = resetImage();
        for (std::size_t i = 0; i < 8; ++i)
            base.setByte(layout::kPttIdCode + i, 0x41);
        const RadioImage stored = m_form->store(base);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(stored.byte(layout::kPttIdCode + i), static_cast<std::uint8_t>(c.field[i]))
                << i;
    }
}

// File New then File Save: every reset channel's flags 0xFB become 0xE7.
TEST_P(FormStore, NewThenSaveStoresEmptyChannels)
{
    const RadioImage reset = resetImage();
    m_form->load(reset);
    const RadioImage stored = m_form->store(reset);
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(channelOf(stored, n), (Bytes16{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00,
                                                 0x00, 0xE7, 0xFF, 0xFF, 0xFF}));
    }
    for (std::size_t offset = 0x110; offset < RadioImage::kSize; ++offset)
        EXPECT_EQ(stored.byte(offset), reset.byte(offset)) << std::hex << offset;
}

// ---- what the form never writes

// The offsets of the image that no field of the form covers.
std::vector<std::size_t> uninterpretedOffsets()
{
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
        const bool channel = i >= 0x10 && i < 0x110;
        const bool channelField = channel && (i % 16) <= layout::kChannelFlags;
        const bool pttIdCode = i >= layout::kPttIdCode && i < layout::kPttIdCode + 8;
        const bool setting = i == layout::kFunctionBits || i == layout::kSquelchLevel || i == layout::kTot ||
                             i == layout::kVox || i == layout::kPttId || i == layout::kBand || i == layout::kModel;
        if (!channelField && !pttIdCode && !setting)
            offsets.push_back(i);
    }
    return offsets;
}

TEST_P(FormStore, BytesAndBitsOutsideTheFormAreCarriedThrough)
{
    ASSERT_EQ(uninterpretedOffsets().size(), 16u + 16u * 3 + (0x3B0 - 0x110) + 8 + 1 + 3 + 9 + 44);
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        RadioImage image;
        for (std::size_t i = 0; i < RadioImage::kSize; ++i)
            image.setByte(i, static_cast<std::uint8_t>(random()));
        m_form->load(image);
        // Change what the form shows, so every field is written.
        (void)form().SetCurSel(FormCombo::Beep, 1 - std::max(form().GetCurSel(FormCombo::Beep), 0));
        (void)form().SetCurSel(FormCombo::Voice, 2);
        (void)form().SetCurSel(FormCombo::PttId, 1);
        setRow(4, {"150.00000", "151.00000", "D023N", "Off", "Carrier", "Low", "Wide", "Add"});
        const RadioImage stored = m_form->store(image);

        for (std::size_t offset : uninterpretedOffsets())
            EXPECT_EQ(stored.byte(offset), image.byte(offset)) << std::hex << offset;
        for (int n = 1; n <= 16; ++n)
            EXPECT_EQ(stored.channel(n)[layout::kChannelFlags] & 0xE0, image.channel(n)[layout::kChannelFlags] & 0xE0)
                << n;
        EXPECT_EQ(stored.byte(layout::kFunctionBits) & 0xE4, image.byte(layout::kFunctionBits) & 0xE4);
        EXPECT_EQ(stored.byte(layout::kPttId) & 0xFC, image.byte(layout::kPttId) & 0xFC);
    }
}

// ---- the round trip

std::uint8_t bcd(unsigned value)
{
    return static_cast<std::uint8_t>((value / 10) * 16 + value % 10);
}

void putFrequency(std::span<std::uint8_t, 16> channel, std::size_t offset, unsigned count)
{
    for (std::size_t k = 0; k < 4; ++k) {
        channel[offset + k] = bcd(count % 100);
        count /= 100;
    }
}

// A tone code the form can show exactly, or an "Off" whose low byte is not
// 0xFF (the one inexact tone).
void putTone(std::mt19937& random, std::span<std::uint8_t, 16> channel, std::size_t high, std::size_t low)
{
    switch (random() % 4) {
    case 0:
        channel[high] = 0xFF;
        channel[low] = static_cast<std::uint8_t>(random());
        break;
    case 1:
        channel[high] = bcd(random() % 30);
        channel[low] = bcd(random() % 100);
        break;
    case 2:
        channel[high] = static_cast<std::uint8_t>(0x80 + random() % 8);
        channel[low] = bcd(random() % 100);
        break;
    default:
        channel[high] = static_cast<std::uint8_t>(0xC0 + random() % 8);
        channel[low] = bcd(random() % 100);
        break;
    }
}

// An image whose settings lie within the lists and whose channels are valid
// or empty; every other byte is random.
RadioImage validImage(unsigned seed)
{
    std::mt19937 random(seed);
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(random()));
    const bool uhf = random() % 2;
    image.setByte(layout::kModel, uhf ? 0x38 : 0x37);
    image.setByte(layout::kBand, 0xEE);
    image.setByte(layout::kSquelchLevel, static_cast<std::uint8_t>(random() % 10));
    image.setByte(layout::kTot, static_cast<std::uint8_t>(1 + random() % 10));
    image.setByte(layout::kVox, static_cast<std::uint8_t>(random() % 10));
    const std::uint8_t voiceCodes[] = {0x00, 0x08, 0x10};
    image.setByte(layout::kFunctionBits,
                  static_cast<std::uint8_t>((image.byte(layout::kFunctionBits) & ~0x18) | voiceCodes[random() % 3]));
    for (std::size_t i = 0; i < 8; ++i)
        image.setByte(layout::kPttIdCode + i, i < 5 ? static_cast<std::uint8_t>("0123456789ABCD*#"[random() % 16])
                                                    : 0xFF);

    for (int n = 1; n <= 16; ++n) {
        auto channel = image.channel(n);
        if (random() % 4 == 0) {
            channel[3] = random() % 2 ? 0xFF : 0x00;
            continue;
        }
        const unsigned base = uhf ? 40000000 : 13600000;
        putFrequency(channel, 0, base + static_cast<unsigned>(random() % 3000000));
        switch (random() % 3) {
        case 0:
            putFrequency(channel, 4, base + static_cast<unsigned>(random() % 3000000));
            break;
        case 1:
            std::fill(channel.begin() + 4, channel.begin() + 8, 0xFF);
            break;
        default:
            channel[7] = 0x00;
            break;
        }
        putTone(random, channel, layout::kRxToneHigh, layout::kRxToneLow);
        putTone(random, channel, layout::kTxToneHigh, layout::kTxToneLow);
    }
    return image;
}

// The image as a store after a load gives it back: only what the form
// cannot show exactly differs.
RadioImage expectedAfterRoundTrip(RadioImage image)
{
    for (int n = 1; n <= 16; ++n) {
        auto channel = image.channel(n);
        if (channel[3] == 0xFF || channel[3] == 0x00) {
            std::fill(channel.begin(), channel.begin() + 8, 0xFF);
            std::fill(channel.begin() + 8, channel.begin() + 12, 0x00);
            // Empty texts: busy kept, Narrow, Del, Low.
            channel[12] = static_cast<std::uint8_t>((channel[12] & 0xE3) | 0x04);
            continue;
        }
        if (channel[7] == 0x00 || channel[7] == 0xFF)
            std::fill(channel.begin() + 4, channel.begin() + 8, 0xFF);
        if (channel[layout::kRxToneHigh] == 0xFF)
            channel[layout::kRxToneLow] = 0xFF;
        if (channel[layout::kTxToneHigh] == 0xFF)
            channel[layout::kTxToneLow] = 0xFF;
        if ((channel[12] & 0x03) == 0)
            channel[12] |= 0x03;
    }
    return image;
}

TEST_P(FormStore, LoadThenStoreChangesOnlyTheInexactFields)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        const RadioImage image = validImage(seed);
        m_form->load(image);
        const RadioImage stored = m_form->store(image);
        const RadioImage expected = expectedAfterRoundTrip(image);
        for (std::size_t i = 0; i < RadioImage::kSize; ++i)
            ASSERT_EQ(stored.byte(i), expected.byte(i)) << "offset " << std::hex << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormStore, kFormsUnderTest, ::testing::PrintToStringParamName());
INSTANTIATE_TEST_SUITE_P(Forms, RowStore, ::testing::Combine(kFormsUnderTest, ::testing::ValuesIn(kRowCases)), CaseName());
INSTANTIATE_TEST_SUITE_P(Forms, SettingStore, ::testing::Combine(kFormsUnderTest, ::testing::ValuesIn(kSettingCases)),
                         CaseName());

} // namespace
