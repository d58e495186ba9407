#pragma once

#include <cstddef>
#include <cstdint>

// Where the program's fields live in the radio image. Everything else is the
// radio's own and is carried through untouched.
namespace layout {

// Byte positions inside a 16-byte channel record.
inline constexpr std::size_t kRxFrequency = 0;   // 4 bytes packed BCD, least significant pair first
inline constexpr std::size_t kTxFrequency = 4;   // 4 bytes, same coding
inline constexpr std::size_t kRxToneLow = 8;
inline constexpr std::size_t kRxToneHigh = 9;
inline constexpr std::size_t kTxToneLow = 10;
inline constexpr std::size_t kTxToneHigh = 11;
inline constexpr std::size_t kChannelFlags = 12;

// Channel flag bits.
inline constexpr std::uint8_t kBusyMask = 0x03;       // 3 Off, 2 Carrier, 1 QT/DQT, 0 reads as Off
inline constexpr std::uint8_t kNarrowBit = 0x04;      // 1 Narrow, 0 Wide
inline constexpr std::uint8_t kScanAddBit = 0x08;     // 1 Add, 0 Del
inline constexpr std::uint8_t kHighPowerBit = 0x10;   // 1 High, 0 Low

// Text fields: up to 8 characters, padded with 0xFF.
inline constexpr std::size_t kKillCode = 0x3A0;
inline constexpr std::size_t kRemoveKillCode = 0x3A8;
inline constexpr std::size_t kPttIdCode = 0x3B0;
inline constexpr std::size_t kTextFieldSize = 8;

// Settings.
inline constexpr std::size_t kFunctionBits = 0x3C0;
inline constexpr std::size_t kSquelchLevel = 0x3C1;
inline constexpr std::size_t kTot = 0x3C3;
inline constexpr std::size_t kVox = 0x3C7;
inline constexpr std::size_t kPttId = 0x3C8;
inline constexpr std::size_t kBand = 0x3D2;
inline constexpr std::size_t kModel = 0x3D3;
inline constexpr std::size_t kResetZeroByte = 0x3D7;   // the radio's own, uninterpreted; File New sets it to 0

// Bits of the function byte at 0x3C0.
inline constexpr std::uint8_t kBeepBit = 0x01;
inline constexpr std::uint8_t kBatterySaverBit = 0x02;
inline constexpr std::uint8_t kVoiceMask = 0x18;      // 00 Chinese, 01 Off, 10 English, 11 reads as Off
inline constexpr int kVoiceShift = 3;
inline constexpr std::uint8_t kKillSwitchBit = 0x20;

inline constexpr std::uint8_t kPttIdMask = 0x03;

// The model byte is 0x37 + the model index; the band byte 0xEE + the band index.
inline constexpr std::uint8_t kModelBase = 0x37;
inline constexpr std::uint8_t kBandBase = 0xEE;

} // namespace layout
