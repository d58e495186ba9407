#pragma once

#include "link/open_status.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

using LinkBytes = std::vector<std::uint8_t>;

// ok is false when the write call itself failed; count is what went out.
struct [[nodiscard]] WriteResult {
    bool ok = false;
    std::size_t count = 0;
};

// ok is false when the read call itself failed. A read that timed out is ok
// and holds the bytes that did arrive, possibly none.
struct [[nodiscard]] ReadResult {
    bool ok = false;
    LinkBytes bytes;
};

// The serial line to the radio: 9600 baud, 8 data bits, no parity, one stop
// bit, binary, held exclusively while open. Reads follow read_timeouts.h.
// The link owns the transfer's clock: its reads wait and its pauses pass on
// the same time, the wall clock for a real port, a virtual one for a
// simulated radio that a test drives.
class SerialLink {
public:
    virtual ~SerialLink() = default;

    virtual OpenStatus Open(const std::string& name) = 0;
    // Applies the line settings; a port that will not take them shows up as
    // a radio that does not answer.
    virtual void Configure() = 0;
    // Aborts what is pending and discards both directions. Only used before
    // a wake-up, when nothing of the exchange is in flight.
    virtual void PurgeAll() = 0;
    // Waits until what was written has left, then discards the input that has
    // arrived so far. Output is never thrown away here.
    virtual void Clear() = 0;
    virtual WriteResult Write(std::span<const std::uint8_t> bytes) = 0;
    // Waits for exactly n bytes under one deadline (see read_timeouts.h).
    virtual ReadResult Read(std::size_t n) = 0;
    // Pauses the transfer; the only waiting besides the reads.
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
    // Pauses until duration has passed since the last byte a Read took came
    // in: the quiet the radio asks for after its answer, with whatever the
    // program did in the meantime counted in it. A link that cannot tell when
    // that byte came pauses the whole duration.
    virtual void SleepAfterAnswer(std::chrono::milliseconds duration) { Sleep(duration); }
    virtual void Close() = 0;
};
