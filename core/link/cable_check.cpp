#include "cable_check.h"

#include <algorithm>
#include <memory>

namespace {

std::vector<std::size_t> differingBlocks(const RadioImage& a, const RadioImage& b)
{
    std::vector<std::size_t> blocks;
    for (std::size_t k = 0; k < RadioImage::kBlockCount; ++k) {
        const auto x = a.block(k);
        const auto y = b.block(k);
        if (!std::equal(x.begin(), x.end(), y.begin()))
            blocks.push_back(k);
    }
    return blocks;
}

bool stoppedByUser(const TransferResult& r)
{
    return r == TransferResult::Cancelled || (r == TransferResult::Refused && r.reason == FailureReason::None);
}

} // namespace

bool CableCheckReport::cancelled() const
{
    return stoppedByUser(first) || stoppedByUser(second);
}

CableCheck::CableCheck(TransferPorts& ports, TransferHost& host, Clock clock)
    : m_session(ports, host), m_clock(std::move(clock))
{
    m_session.WrapLink([this](SerialLink& link) -> std::unique_ptr<SerialLink> {
        if (m_wrapper)
            return std::make_unique<CableCheckLink>(m_wrapper(link), m_counts);
        return std::make_unique<CableCheckLink>(link, m_counts);
    });
}

CableCheck::Clock CableCheck::steadyClock()
{
    return [] { return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()); };
}

CableCheckReport CableCheck::Run(const PortTarget& target)
{
    m_counts = {};
    m_readTime = {};
    m_completedReads = 0;
    CableCheckReport report;
    RadioImage firstImage;
    RadioImage secondImage;
    report.first = read(target, firstImage);
    // A read that did not complete would not complete the second time
    // either: a silent radio is not waited for twice.
    report.second = report.first == TransferResult::Completed ? read(target, secondImage) : report.first;
    if (report.bothCompleted())
        report.differingBlocks = differingBlocks(firstImage, secondImage);
    report.counts = m_counts;
    const double seconds = std::chrono::duration<double>(m_readTime).count();
    if (m_completedReads > 0 && seconds > 0)
        report.bytesPerSecond = static_cast<double>(m_completedReads * RadioImage::kSize) / seconds;
    return report;
}

TransferResult CableCheck::read(const PortTarget& target, RadioImage& image)
{
    const std::chrono::nanoseconds started = m_clock();
    const TransferResult result = m_session.Run(target, TransferDirection::Read, image, BandLimits{});
    if (result == TransferResult::Completed) {
        m_readTime += m_clock() - started;
        ++m_completedReads;
    }
    return result;
}
