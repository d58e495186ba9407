#pragma once

#include <cstdint>

// (high nibble x 10) + low nibble: 0..99 for valid BCD, more for nibbles above 9.
constexpr int BcdToInt(std::uint8_t b)
{
    return (b >> 4) * 10 + (b & 0x0F);
}

// The low byte n of the value as ((n / 10) x 16 + n mod 10), cut to a byte.
constexpr std::uint8_t IntToBcd(long long value)
{
    const int n = static_cast<int>(static_cast<std::uint64_t>(value) & 0xFF);
    return static_cast<std::uint8_t>((n / 10) * 16 + n % 10);
}
