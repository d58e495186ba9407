#pragma once

#include "image/radio_image.h"
#include "link/identification.h"
#include "link/serial_link.h"
#include "link/transfer_host.h"
#include "link/transfer_types.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Runs one read or write of the radio's memory over a link that the host has
// opened and configured, and closes the link at every end.
//
// A read fills a scratch image and replaces the whole target image only once
// all 128 blocks have been received and acknowledged; any other end leaves
// the target as it was. A write sends the target image as it was when the
// transfer began, after checking the band against the range the radio reports.
class TransferProtocol {
public:
    // The poll and retry counts the radio is used to.
    static constexpr int kWakeUpAttempts = 15;
    static constexpr int kWakeUpPolls = 7;
    static constexpr int kIdentificationNakPolls = 601;
    static constexpr int kReadBlockPolls = 9;
    static constexpr int kWriteBlockPolls = 10;
    // A port that refuses the ACK after the identification gets this many more
    // tries before the transfer is given up.
    static constexpr int kAckWriteRepeats = 3;

    TransferProtocol(SerialLink& link, TransferHost& host) : m_link(link), m_host(host) {}

    // band is used by a write only.
    [[nodiscard]] TransferResult Run(TransferDirection direction, RadioImage& image, BandLimits band = {});
    // Blocks the radio acknowledged during the last write; a write that ends
    // early with any leaves the radio partly written (PartlyWrittenWarning).
    [[nodiscard]] std::size_t BlocksWritten() const { return m_blocksWritten; }

private:
    enum class Phase { Go, Retry, Failed, Cancelled, Refused };
    enum class CancelCheck { BeforeDispatch, AfterDispatch };
    enum class WakeAnswer { None, Ack, Syn };

    TransferResult endOf(Phase phase) const;
    TransferResult exchange(RadioImage& image);
    Phase wakeUp();
    void sendWakeUp(int pauseMs);
    WakeAnswer readWakeAnswer();
    Phase identify();
    Phase acknowledgeIdentification();
    LinkBytes withoutEchoes(LinkBytes reply);
    TransferResult readBlocks(RadioImage& image);
    TransferResult writeBlocks(const RadioImage::Bytes& bytes);

    void pause(int milliseconds);
    void showBlock(std::size_t block, std::size_t blocks);
    [[nodiscard]] bool poll(int count, CancelCheck when, int pauseMs);
    void dispatch(int count);
    void send(std::span<const std::uint8_t> bytes);
    void send(std::uint8_t byte);
    [[nodiscard]] bool readsByte(std::uint8_t expected);

    SerialLink& m_link;
    TransferHost& m_host;
    TransferDirection m_direction = TransferDirection::Read;
    BandLimits m_band;
    std::size_t m_blocksWritten = 0;
    // Why the exchange is failing, or is about to be retried.
    FailureReason m_reason = FailureReason::None;
};
