#pragma once

#include "image/radio_image.h"
#include "image/ui_text.h"

#include <cstddef>
#include <string>
#include <vector>

// A written block that the radio gave back different from what was sent.
struct BlockMismatch {
    std::size_t address = 0;
    // The form's fields whose bits differ there; none for radio data outside the form.
    std::vector<std::string> fields;

    friend bool operator==(const BlockMismatch&, const BlockMismatch&) = default;
};

// Compares the blocks a write sends (the two stretches it leaves alone are
// not compared) of the image written and the image read back afterwards.
// Empty when the write took.
[[nodiscard]] std::vector<BlockMismatch> VerifyWrittenBlocks(const RadioImage& written, const RadioImage& readBack);

inline constexpr const char* kVerifiedText = HMPROG_TEXT("Verified.");
inline constexpr const char* kVerifyFailedText = HMPROG_TEXT("Verify failed");
// A fleet's row for a radio whose blocks came back otherwise: " 0x018 0x3D8".
inline constexpr const char* kVerifyFailedAtBlocks = HMPROG_TEXT("verify failed at block%1");

// The blocks' addresses, each after a space: " 0x140 0x148".
[[nodiscard]] std::string MismatchedBlocksText(const std::vector<BlockMismatch>& mismatches);

// "Verified.", or "Verify failed" followed by one line per block:
//   0x018: Channel 1 Rx Tone, Channel 1 Busy
//   0x3D8: (radio data outside the form)
// Every line ends in a newline.
std::string VerifyText(const std::vector<BlockMismatch>& mismatches);
