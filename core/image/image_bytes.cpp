#include "image_bytes.h"

void SerializeImage(CArchive& ar, RadioImage& image)
{
    if (ar.IsStoring()) {
        for (std::uint8_t b : image.bytes())
            ar << b;
        return;
    }
    RadioImage::Bytes scratch{};
    for (std::uint8_t& b : scratch)
        ar >> b;
    if (ar.ok())
        image.setBytes(scratch);
}

std::vector<std::uint8_t> ImageFileBytes(const RadioImage& image)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(RadioImage::kSize);
    CArchive ar(bytes, CArchive::store);
    RadioImage copy = image;
    SerializeImage(ar, copy);
    return bytes;
}

bool LoadImageFileBytes(std::span<const std::uint8_t> bytes, RadioImage& image)
{
    if (bytes.size() != RadioImage::kSize)
        return false;
    std::vector<std::uint8_t> loaded(bytes.begin(), bytes.end());
    CArchive ar(loaded, CArchive::load);
    SerializeImage(ar, image);
    return ar.ok();
}
