#include "fleet/identifying_link.h"

#include "image/radio_models.h"
#include "link/protocol_bytes.h"

#include <span>

// The identification is the only reply of its length; one that begins with
// the echo of what was sent is left alone rather than misread.
ReadResult IdentifyingLink::Read(std::size_t n)
{
    ReadResult result = m_inner.Read(n);
    const bool identification = n == protocol::kIdentificationSize && result.ok && result.bytes.size() == n;
    if (identification && result.bytes[0] != protocol::kModeByte && result.bytes[0] != protocol::kStx)
        m_identified(DecodeIdentification(std::span<const std::uint8_t>(result.bytes).first<3>()));
    return result;
}

std::string RadioRangeText(RadioRange range)
{
    const std::string mhz = std::to_string(range.lowMHz) + "-" + std::to_string(range.highMHz) + " MHz";
    const RadioModel* model = ModelReporting(range.lowMHz, range.highMHz);
    return model ? std::string(model->modelText) + " (" + mhz + ")" : mhz;
}
