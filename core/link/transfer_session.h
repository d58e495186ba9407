#pragma once

#include "image/radio_image.h"
#include "link/identification.h"
#include "link/port_target.h"
#include "link/serial_link.h"
#include "link/tracing_link.h"
#include "link/transfer_host.h"
#include "link/transfer_types.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Where a program's transfers go: the system's ports and the simulated radio,
// or what a test puts in their place.
class TransferPorts {
public:
    virtual ~TransferPorts() = default;
    // The link that reaches target, still closed. It stays valid until the
    // next call; only one transfer runs at a time.
    virtual SerialLink& LinkFor(const PortTarget& target) = 0;
};

// One transfer as every program runs it: the link for the chosen port, the
// open (a port that stands for no device fails as a missing one), the line
// settings, the optional trace, the exchange, the close.
class TransferSession {
public:
    // Puts a link of the host's own around the one the exchange uses.
    using LinkWrapper = std::function<std::unique_ptr<SerialLink>(SerialLink&)>;

    TransferSession(TransferPorts& ports, TransferHost& host) : m_ports(ports), m_host(host) {}

    // Every operation on the port goes to sink as well; nullptr: no trace.
    void TraceInto(TraceSink* sink) { m_trace = sink; }
    void WrapLink(LinkWrapper wrapper) { m_wrapper = std::move(wrapper); }

    // A port that cannot be opened ends the transfer as Failed with
    // FailureReason::OpenFailed before anything is shown: the host then shows
    // OpenFailedMessage() and OpenFailureText().
    [[nodiscard]] TransferResult Run(const PortTarget& target, TransferDirection direction, RadioImage& image,
                                     BandLimits band);

    // Under "Could not open the port", port being how this host names it.
    [[nodiscard]] std::string OpenFailureText(std::string_view port) const;
    [[nodiscard]] std::size_t BlocksWritten() const { return m_blocksWritten; }
    // A write that ended early with blocks in the radio: it holds neither the
    // old memory nor the new (PartlyWrittenWarning).
    [[nodiscard]] bool LeftPartlyWritten() const { return m_partlyWritten; }

private:
    OpenStatus open(SerialLink& link, const PortTarget& target);

    TransferPorts& m_ports;
    TransferHost& m_host;
    TraceSink* m_trace = nullptr;
    LinkWrapper m_wrapper;
    std::optional<OpenStatus> m_openStatus;
    std::size_t m_blocksWritten = 0;
    bool m_partlyWritten = false;
};
