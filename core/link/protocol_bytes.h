#pragma once

#include "image/radio_image.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The bytes of the radio's programming exchange.
namespace protocol {

inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kSyn = 0x16;
inline constexpr std::uint8_t kModeByte = 0x4D;  // 'M', sent once the radio has answered the wake-up
inline constexpr std::uint8_t kReadBlock = 0x52;  // 'R'
inline constexpr std::uint8_t kWriteBlock = 0x57; // 'W'

// Sent one byte per write call.
inline constexpr std::array<std::uint8_t, 7> kWakeUp = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};

inline constexpr std::size_t kIdentificationSize = 8;
inline constexpr std::size_t kBlockSize = RadioImage::kBlockSize;
inline constexpr std::size_t kFrameHeaderSize = 4;
// A read reply is a 4-byte header nobody looks at, then the 8 memory bytes.
inline constexpr std::size_t kReadReplySize = kFrameHeaderSize + kBlockSize;

// The 4-byte head of a read request or a write frame: kind, address high
// byte, address low byte, block length.
constexpr std::array<std::uint8_t, kFrameHeaderSize> FrameHeader(std::uint8_t kind, std::size_t block)
{
    const std::size_t address = block * kBlockSize;
    return {kind, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF),
            static_cast<std::uint8_t>(kBlockSize)};
}

// A write leaves two stretches of the radio's memory alone: blocks 96 to 99
// (0x300-0x31F) and 126 to 127 (0x3F0-0x3FF).
inline constexpr std::size_t kWriteGapFirst = 96;
inline constexpr std::size_t kWriteGapEnd = 100;
inline constexpr std::size_t kWriteEnd = 126;
inline constexpr std::size_t kWrittenBlockCount = kWriteEnd - (kWriteGapEnd - kWriteGapFirst);

constexpr bool IsWrittenBlock(std::size_t block)
{
    return block < kWriteEnd && (block < kWriteGapFirst || block >= kWriteGapEnd);
}

} // namespace protocol
