#pragma once

#include "image/radio_image.h"
#include "image/ui_text.h"
#include "link/cable_check_link.h"
#include "link/port_target.h"
#include "link/transfer_session.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What reading the radio twice over the same cable showed.
struct CableCheckReport {
    TransferResult first = TransferResult::Completed;
    TransferResult second = TransferResult::Completed;
    // The second read is made only when the first completed. The blocks (0
    // to 127) in which the two reads differ; only when both completed.
    std::vector<std::size_t> differingBlocks;
    // Memory bytes read per second over the reads that completed; 0 when
    // none did.
    double bytesPerSecond = 0;
    LineCounts counts;

    [[nodiscard]] bool bothCompleted() const
    {
        return first == TransferResult::Completed && second == TransferResult::Completed;
    }
    // Both reads completed and brought the same memory.
    [[nodiscard]] bool agrees() const { return bothCompleted() && differingBlocks.empty(); }
    // The user stopped a read: nothing to report.
    [[nodiscard]] bool cancelled() const;
};

// A cable that corrupts bytes silently reads a radio differently each time:
// the check reads it twice through the same transfer session as every read,
// compares block by block and counts what it saw on the line. Nothing is
// written to the radio.
class CableCheck {
public:
    // Where the check's time comes from: the wall clock for a real port, the
    // simulated line's clock for a simulated radio on a virtual one.
    using Clock = std::function<std::chrono::nanoseconds()>;

    CableCheck(TransferPorts& ports, TransferHost& host, Clock clock = steadyClock());
    CableCheck(const CableCheck&) = delete;
    CableCheck& operator=(const CableCheck&) = delete;

    // A link of the host's own under the check's counting link.
    void WrapLink(TransferSession::LinkWrapper wrapper) { m_wrapper = std::move(wrapper); }
    void TraceInto(TraceSink* sink) { m_session.TraceInto(sink); }

    [[nodiscard]] CableCheckReport Run(const PortTarget& target);
    // The first read that could not open the port says why, as a transfer does.
    [[nodiscard]] std::string OpenFailureText(std::string_view port) const { return m_session.OpenFailureText(port); }

    static Clock steadyClock();

private:
    [[nodiscard]] TransferResult read(const PortTarget& target, RadioImage& image);

    TransferSession m_session;
    Clock m_clock;
    TransferSession::LinkWrapper m_wrapper;
    LineCounts m_counts;
    std::chrono::nanoseconds m_readTime{};
    std::size_t m_completedReads = 0;
};

// The most memory bytes a second the radio's line carries: each 8-byte block
// costs 18 characters of 10 bits at 9600 baud (the request, the reply and
// both acknowledgements).
inline constexpr double kLineMemoryBytesPerSecond = 9600.0 / 10 / 18 * 8;

// The report as lines for the user. translate gives a text marked
// HMPROG_TEXT in the user's language before its %1 is filled in.
[[nodiscard]] std::string CableCheckText(const CableCheckReport& report, TranslateText translate = EnglishText);
