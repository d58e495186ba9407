#pragma once

#include "image/radio_image.h"
#include "image/ui_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One difference between two images as the form shows it.
struct ImageChange {
    enum class Kind {
        Setting,    // field: the setting's label ("Squelch Level", "PTT ID Code")
        Channel,    // channel 1..16, field: the column heading ("Rx Freq")
        Outside,    // radio data outside the form: the 8-byte block at address
    };
    Kind kind = Kind::Setting;
    int channel = 0;
    std::string field;
    std::string before;   // the form's texts; for Outside the block's bytes in hex
    std::string after;
    std::size_t address = 0;                // Outside: the block's address
    std::vector<std::size_t> changedBytes;  // Outside: offsets of the bytes that differ there

    friend bool operator==(const ImageChange&, const ImageChange&) = default;
};

// The heading of the Outside entries as the user sees it.
inline constexpr const char* kOutsideFormText = HMPROG_TEXT("(radio data outside the form)");

// What changes from before to after: the settings in the form's order, then
// the channels by number and column, then the blocks where bits the form does
// not show differ. Empty when the images are equal.
[[nodiscard]] std::vector<ImageChange> CompareImages(const RadioImage& before, const RadioImage& after);

// One line per change, each ending in a newline:
//   Squelch Level: 3 -> 5
//   Channel 2 Rx Freq: 146.52000 -> (empty)
//   (radio data outside the form) 0x3D0: FF FF ... -> 00 FF ... (0x3D7)
// An empty text shows as "(empty)".
std::string ChangesText(const std::vector<ImageChange>& changes);

// A JSON array of objects: "kind" ("setting", "channel", "outside"), "field",
// "channel" (channels), "address" and "bytes" (outside, "0x3D7" style),
// "before", "after".
std::string ChangesJson(const std::vector<ImageChange>& changes);

// "0x018": an address as the lists show it.
std::string HexAddress(std::size_t address);
