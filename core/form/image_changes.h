#pragma once

#include "image/radio_image.h"
#include "image/ui_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One 8-byte block of radio data that differs, as the lists show it.
struct ChangedBlock {
    std::size_t address = 0;
    std::string before;                     // the block's bytes in hex: "FF 00 ..."
    std::string after{};
    std::vector<std::size_t> changedBytes;  // offsets of the bytes that differ

    friend bool operator==(const ChangedBlock&, const ChangedBlock&) = default;
};

// What a stretch of radio data the form does not show holds.
enum class OutsideData {
    KillCodes,       // the Kill Code, Remove Kill Code and the Kill Switch bit: the radio uses them
    ChannelBytes,    // bytes of a channel in use that the form does not show: the radio may use them
    Other,           // the rest of the memory: the radio's own, it may use them
    EmptyChannels,   // the bytes of channels empty on both sides: no radio uses them
};

// One row of the list of what differs between two images.
struct ImageChange {
    enum class Kind {
        Setting,   // field: the setting's label; before, after: its texts
        Channel,   // channel 1..16; beforeCells, afterCells: its columns Rx Freq to Scan (all empty: not in use)
        Outside,   // data: what the bytes hold; blocks: where they differ
    };
    Kind kind = Kind::Setting;
    std::string field{};
    std::string before{};
    std::string after{};
    int channel = 0;
    std::vector<std::string> beforeCells{};
    std::vector<std::string> afterCells{};
    OutsideData data = OutsideData::Other;
    std::vector<int> channels{};   // Outside: the channels the bytes belong to (ChannelBytes, EmptyChannels)
    std::vector<ChangedBlock> blocks{};

    friend bool operator==(const ImageChange&, const ImageChange&) = default;
};

// What changes from before to after: the settings in the form's order, the
// channels by number (one row each), then the radio data outside the form by
// what it holds, the bytes of all empty channels in one row at the end.
// Empty when the images are equal.
[[nodiscard]] std::vector<ImageChange> CompareImages(const RadioImage& before, const RadioImage& after);

// Whether a row changes what a radio does: every row but the bytes of empty
// channels.
[[nodiscard]] bool ChangesTheRadio(const ImageChange& change);

// "8 changes", "1 change", or "No change to what the radio does" when only
// the bytes of empty channels differ.
[[nodiscard]] std::string ChangeCountText(const std::vector<ImageChange>& changes, TranslateText tr = EnglishText);

// Where the row is: "Squelch Level", "Channel 5", "Kill codes (the radio uses them)",
// "Unused bytes of empty channels 12-16 (no radio uses them)".
[[nodiscard]] std::string ChangeTitle(const ImageChange& change, TranslateText tr = EnglishText);

// The row's before or after as one line: a setting's text, a channel as
// "Rx 146.52000, Tx 146.52000, tones Off / 88.5, Busy Off, High, Wide, Scan Add"
// or "(empty)", the hex of the blocks outside the form.
[[nodiscard]] std::string ChangeSide(const ImageChange& change, bool after, TranslateText tr = EnglishText);

// The count, then one line per row, each ending in a newline:
//   2 changes
//   Squelch Level: 3 -> 5
//   Channel 2: Rx 146.52000, ... -> (empty)
//   Kill codes (the radio uses them): 0x3A0: FF FF ... -> 39 FF ... (0x3A0)
//   Unused bytes of empty channels 5-16 (no radio uses them)
// Empty when nothing differs.
std::string ChangesText(const std::vector<ImageChange>& changes);

// A JSON array of objects, one per row: "kind" ("setting", "channel",
// "outside"); a setting's "field", "before", "after"; a channel's "channel"
// and "before", "after" as objects by column heading (null: not in use); the
// data outside the form as "holds" ("kill codes", "channel bytes", "empty
// channels", "other"), "radio_uses" (true, false or "maybe"), "channels" and
// "blocks" ({"address", "bytes", "before", "after"}).
std::string ChangesJson(const std::vector<ImageChange>& changes);

// "0x018": an address as the lists show it.
std::string HexAddress(std::size_t address);

// The heading of radio data outside the form where no field names it.
inline constexpr const char* kOutsideFormText = HMPROG_TEXT("(radio data outside the form)");
