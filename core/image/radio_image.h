#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The radio's whole programmable memory: 1024 bytes, 64 rows of 16.
// An offset is also the radio's memory address and the position in a
// channel file. There is no header and no checksum.
class RadioImage {
public:
    static constexpr std::size_t kSize = 1024;
    static constexpr std::size_t kBlockSize = 8;
    static constexpr std::size_t kBlockCount = kSize / kBlockSize;
    static constexpr int kChannelCount = 16;
    static constexpr std::size_t kChannelSize = 16;

    using Bytes = std::array<std::uint8_t, kSize>;

    RadioImage() { m_bytes.fill(0xFF); }

    std::uint8_t byte(std::size_t offset) const { return m_bytes.at(offset); }
    void setByte(std::size_t offset, std::uint8_t value) { m_bytes.at(offset) = value; }

    // Channel n (1..16) is the 16 bytes at n x 16.
    std::span<std::uint8_t, kChannelSize> channel(int n);
    std::span<const std::uint8_t, kChannelSize> channel(int n) const;

    // Block k (0..127) is the 8 bytes at k x 8.
    std::span<std::uint8_t, kBlockSize> block(std::size_t k);
    std::span<const std::uint8_t, kBlockSize> block(std::size_t k) const;

    // The image of File New.
    void ResetToDefaults();

    const Bytes& bytes() const { return m_bytes; }
    void setBytes(const Bytes& bytes) { m_bytes = bytes; }

    friend bool operator==(const RadioImage&, const RadioImage&) = default;

private:
    Bytes m_bytes;
};
