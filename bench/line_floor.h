#pragma once

#include "link/protocol_bytes.h"

// The least time a transfer can take at 9600 baud, 10 bits a byte (start, 8
// data, stop), with the pauses the protocol makes the program wait out.
namespace line_floor {

inline constexpr double kByteSeconds = 10.0 / 9600.0;

// The opening: the 7 wake-up bytes and the radio's SYN, the mode byte and
// STX, the 8 identification bytes, the program's ACK and the radio's.
inline constexpr std::size_t kOpeningBytes = protocol::kWakeUp.size() + 1 + 2 + protocol::kIdentificationSize + 2;
// Before the first wake-up byte 7 polls of 1 ms; before each wake-up byte
// 2 ms; before the mode byte and before STX 1 ms each: 7 + 14 + 2 ms.
inline constexpr double kOpeningPauses = 0.023;

// A read block: the request, the 12-byte reply, the program's ACK and the
// radio's; all 128 blocks.
inline constexpr std::size_t kReadBlockBytes = protocol::kFrameHeaderSize + protocol::kReadReplySize + 2;
inline constexpr double kRead =
    static_cast<double>(kOpeningBytes + RadioImage::kBlockCount * kReadBlockBytes) * kByteSeconds + kOpeningPauses;

// A write block: the 12-byte frame and the radio's ACK, then a pause of 1 ms;
// the 122 blocks a write sends.
inline constexpr std::size_t kWriteBlockBytes = protocol::kFrameHeaderSize + protocol::kBlockSize + 1;
inline constexpr double kWriteBlockPause = 0.001;
inline constexpr double kWrite =
    static_cast<double>(kOpeningBytes + protocol::kWrittenBlockCount * kWriteBlockBytes) * kByteSeconds +
    kOpeningPauses + static_cast<double>(protocol::kWrittenBlockCount) * kWriteBlockPause;

} // namespace line_floor
