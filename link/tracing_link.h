#pragma once

#include "link/serial_link.h"

#include <QElapsedTimer>
#include <QSaveFile>

// Wraps a link and writes down everything that passes through it: each
// operation on a line of its own with the milliseconds since the port was
// opened, and every byte sent (TX) and received (RX) in hex. What a user sends
// along when a radio will not talk.
class TracingLink final : public SerialLink {
public:
    TracingLink(SerialLink& inner, const QString& tracePath);

    // Opens the trace file; false, with the reason in errorString(), when it
    // cannot be written. A device or FIFO in its place is refused, never
    // replaced.
    [[nodiscard]] bool Start();
    // Puts the trace file in place; the file appears only here.
    [[nodiscard]] bool Finish();
    QString errorString() const { return m_refusal.isEmpty() ? m_file.errorString() : m_refusal; }

    OpenStatus Open(const QString& name) override;
    void Configure() override;
    void PurgeAll() override;
    void Clear() override;
    WriteResult Write(std::span<const std::uint8_t> bytes) override;
    ReadResult Read(std::size_t n) override;
    void Close() override;

private:
    void line(const QString& text);

    SerialLink& m_inner;
    QSaveFile m_file;
    QString m_refusal;
    QElapsedTimer m_sinceOpen;
};
