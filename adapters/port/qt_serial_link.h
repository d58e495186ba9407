#pragma once

#include "link/serial_link.h"
#include "link/timer_slack.h"

#include <QSerialPort>

#include <optional>

// A real serial port through QSerialPort, used without an event loop: every
// operation blocks until it is done or its deadline has passed.
// Names: /dev/ttyUSB0 and the like on Linux, /dev/cu.* on macOS, COMn on
// Windows.
class QtSerialLink final : public SerialLink {
public:
    QtSerialLink() = default;
    ~QtSerialLink() override;

    OpenStatus Open(const std::string& name) override;
    void Configure() override;
    void PurgeAll() override;
    void Clear() override;
    WriteResult Write(std::span<const std::uint8_t> bytes) override;
    ReadResult Read(std::size_t n) override;
    // On the wall clock, with fine timer slack while the port is open.
    void Sleep(std::chrono::milliseconds duration) override;
    void SleepAfterAnswer(std::chrono::milliseconds duration) override;
    void Close() override;

private:
    OpenFailure classifyOpenError(const QString& name) const;
    void drainOutput();

    QSerialPort m_port;
    std::optional<FineTimerSlack> m_fineSlack;
    // When the last byte a read took came in; none since the port opened.
    std::optional<std::chrono::steady_clock::time_point> m_answeredAt;
};
