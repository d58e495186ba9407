#pragma once

#include "link/serial_link.h"

// The link to the radio through the page's port object (Web Serial, or the
// simulated radio's port): each call awaits the port's promise while the
// transfer's stack is put aside, so the page stays alive meanwhile. The port
// is the one the current transfer was given (see engine_transfer.h).
class JsLink final : public SerialLink {
public:
    // The port is already open: the page opened it when the user chose it.
    OpenStatus Open(const std::string& name) override;
    // The page opened the port at 9600 8N1.
    void Configure() override {}
    void PurgeAll() override;
    void Clear() override;
    WriteResult Write(std::span<const std::uint8_t> bytes) override;
    // Asks the port for n bytes under the time-outs of read_timeouts.h.
    ReadResult Read(std::size_t n) override;
    void Sleep(std::chrono::milliseconds duration) override;
    // The page keeps the port open for the next transfer.
    void Close() override {}
};
