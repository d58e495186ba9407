#include "identification.h"

#include "codec/frequency.h"
#include "image/radio_models.h"

namespace {

int high(std::uint8_t b)
{
    return b >> 4;
}

int low(std::uint8_t b)
{
    return b & 0x0F;
}

std::uint8_t nibbles(int high, int low)
{
    return static_cast<std::uint8_t>(((high & 0x0F) << 4) | (low & 0x0F));
}

} // namespace

RadioRange DecodeIdentification(std::span<const std::uint8_t, 3> head)
{
    return {100 * high(head[2]) + 10 * low(head[2]) + high(head[0]),
            100 * high(head[1]) + 10 * low(head[1]) + low(head[0])};
}

IdentificationHead EncodeIdentification(RadioRange range)
{
    const int l = range.lowMHz;
    const int u = range.highMHz;
    return {nibbles(l % 10, u % 10), nibbles(u / 100, u / 10 % 10), nibbles(l / 100, l / 10 % 10)};
}

bool BandFitsRadio(RadioRange radio, BandLimits band)
{
    if (ModelReporting(radio.lowMHz, radio.highMHz) == nullptr)
        return true;
    const auto lowest = static_cast<std::uint32_t>(radio.lowMHz) * kCountsPerMHz;
    const auto highest = static_cast<std::uint32_t>(radio.highMHz) * kCountsPerMHz;
    return band.low >= lowest && band.high <= highest;
}

bool BandForModelByte(std::uint8_t model, BandLimits& band)
{
    const RadioModel* known = ModelByByte(model);
    if (known == nullptr)
        return false;
    band = {static_cast<std::uint32_t>(known->bandLowMHz) * kCountsPerMHz,
            static_cast<std::uint32_t>(known->bandHighMHz) * kCountsPerMHz};
    return true;
}
