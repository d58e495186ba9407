#include "fleet/radio_data.h"

#include "image/image_layout.h"
#include "sim/demo_image.h"

#include <gtest/gtest.h>

namespace {

enum class Owner { File, Radio };

struct ByteCase {
    const char* name;
    std::size_t offset;
    Owner kept;
};

// Channel 1 is the 16 bytes at 0x010.
const ByteCase kBytes[] = {
    {"KillCode", layout::kKillCode, Owner::Radio},
    {"KillCodeLast", layout::kKillCode + 7, Owner::Radio},
    {"RemoveKillCode", layout::kRemoveKillCode, Owner::Radio},
    {"ResetZeroByte", layout::kResetZeroByte, Owner::Radio},
    {"ChannelOtherByte", 0x010 + 13, Owner::Radio},
    {"ChannelRxFrequency", 0x010 + layout::kRxFrequency + 3, Owner::File},
    {"ChannelTxFrequency", 0x010 + layout::kTxFrequency + 2, Owner::File},
};

class FileFormOntoRadioBytes : public testing::TestWithParam<ByteCase> {};

// The radio and the file differ in every byte of the table; the radio's kill
// codes are set, the file has none.
TEST_P(FileFormOntoRadioBytes, TakesWhatTheFormShowsFromTheFileOnly)
{
    const RadioImage demo = DemoRadioImage();
    RadioImage radio = demo;
    RadioImage file = demo;
    for (std::size_t i = 0; i < layout::kTextFieldSize; ++i) {
        radio.setByte(layout::kKillCode + i, static_cast<std::uint8_t>(1 + i));
        radio.setByte(layout::kRemoveKillCode + i, static_cast<std::uint8_t>(9 - i));
    }
    radio.setByte(layout::kResetZeroByte, 0x5A);
    radio.setByte(0x010 + 13, 0x33);
    // Channel 1 of the file: 151.82000 MHz both ways, where the radio has the demo's.
    const std::uint8_t frequency[] = {0x00, 0x20, 0x18, 0x15};
    for (std::size_t i = 0; i < 4; ++i) {
        file.setByte(0x010 + layout::kRxFrequency + i, frequency[i]);
        file.setByte(0x010 + layout::kTxFrequency + i, frequency[i]);
    }
    const ByteCase& c = GetParam();
    ASSERT_NE(radio.byte(c.offset), file.byte(c.offset));

    const RadioImage written = FileFormOntoRadio(file, radio);
    EXPECT_EQ(written.byte(c.offset), (c.kept == Owner::Radio ? radio : file).byte(c.offset));
}

INSTANTIATE_TEST_SUITE_P(Bytes, FileFormOntoRadioBytes, testing::ValuesIn(kBytes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
