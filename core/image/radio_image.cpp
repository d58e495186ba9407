#include "radio_image.h"

#include "image_layout.h"

#include <cassert>

namespace {

std::size_t channelOffset(int n)
{
    assert(n >= 1 && n <= RadioImage::kChannelCount);
    return static_cast<std::size_t>(n) * RadioImage::kChannelSize;
}

} // namespace

std::span<std::uint8_t, RadioImage::kChannelSize> RadioImage::channel(int n)
{
    return std::span<std::uint8_t, kChannelSize>(m_bytes.data() + channelOffset(n), kChannelSize);
}

std::span<const std::uint8_t, RadioImage::kChannelSize> RadioImage::channel(int n) const
{
    return std::span<const std::uint8_t, kChannelSize>(m_bytes.data() + channelOffset(n), kChannelSize);
}

std::span<std::uint8_t, RadioImage::kBlockSize> RadioImage::block(std::size_t k)
{
    assert(k < kBlockCount);
    return std::span<std::uint8_t, kBlockSize>(m_bytes.data() + k * kBlockSize, kBlockSize);
}

std::span<const std::uint8_t, RadioImage::kBlockSize> RadioImage::block(std::size_t k) const
{
    assert(k < kBlockCount);
    return std::span<const std::uint8_t, kBlockSize>(m_bytes.data() + k * kBlockSize, kBlockSize);
}

void RadioImage::ResetToDefaults()
{
    m_bytes.fill(0xFF);

    static constexpr std::uint8_t kSettings[] = {
        0x27, 0x05, 0x03, 0x02, 0x10, 0x17, 0x42, 0x00, 0x05, 0x04, 0x07, 0x07,
    };
    for (std::size_t i = 0; i < std::size(kSettings); ++i)
        m_bytes[layout::kFunctionBits + i] = kSettings[i];

    m_bytes[layout::kBand] = layout::kBandBase;
    m_bytes[layout::kModel] = layout::kModelBase;
    m_bytes[layout::kResetZeroByte] = 0x00;

    for (int n = 1; n <= kChannelCount; ++n)
        channel(n)[layout::kChannelFlags] = 0xFB;
}
