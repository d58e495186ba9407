#pragma once

#include <cstdint>
#include <span>
#include <string>

// SHA-256 as FIPS 180-4 defines it, for naming exactly which file went into
// a radio: the digest as 64 lower-case hexadecimal digits.
[[nodiscard]] std::string Sha256Hex(std::span<const std::uint8_t> data);
