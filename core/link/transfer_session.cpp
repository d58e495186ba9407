#include "transfer_session.h"

#include "image/ui_text.h"
#include "link/transfer_protocol.h"

TransferResult TransferSession::Run(const PortTarget& target, TransferDirection direction, RadioImage& image,
                                    BandLimits band)
{
    m_openStatus.reset();
    m_blocksWritten = 0;
    m_partlyWritten = false;

    SerialLink* link = &m_ports.LinkFor(target);
    std::optional<TracingLink> tracing;
    if (m_trace != nullptr)
        link = &tracing.emplace(*link, *m_trace);
    const OpenStatus opened = open(*link, target);
    if (!opened.ok()) {
        m_openStatus = opened;
        return {TransferResult::Failed, FailureReason::OpenFailed};
    }
    link->Configure();

    std::unique_ptr<SerialLink> wrapped = m_wrapper ? m_wrapper(*link) : nullptr;
    TransferProtocol protocol(wrapped ? *wrapped : *link, m_host);
    const TransferResult result = protocol.Run(direction, image, band);
    m_blocksWritten = protocol.BlocksWritten();
    m_partlyWritten = direction == TransferDirection::Write && result != TransferResult::Completed &&
                      m_blocksWritten > 0;
    return result;
}

OpenStatus TransferSession::open(SerialLink& link, const PortTarget& target)
{
    if (!target.simulated && target.device.empty())
        return OpenStatus::Failed(OpenFailure::MissingDevice, HMPROG_TEXT("no serial device stands for this port"));
    return link.Open(target.simulated ? kSimulatedPortName : target.device);
}

std::string TransferSession::OpenFailureText(std::string_view port) const
{
    return m_openStatus ? OpenFailureDetail(port, *m_openStatus) : std::string();
}
