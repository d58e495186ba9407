#pragma once

#include "link/serial_link.h"

// A link that passes every call on to the link beneath it. The wrappers that
// watch or change a few calls (tracing, counting, painting the progress)
// derive from it and override only those, so a call added to SerialLink is
// passed on by all of them in this one place.
class ForwardingLink : public SerialLink {
public:
    explicit ForwardingLink(SerialLink& inner) : m_inner(inner) {}

    OpenStatus Open(const std::string& name) override { return m_inner.Open(name); }
    void Configure() override { m_inner.Configure(); }
    void PurgeAll() override { m_inner.PurgeAll(); }
    void Clear() override { m_inner.Clear(); }
    WriteResult Write(std::span<const std::uint8_t> bytes) override { return m_inner.Write(bytes); }
    ReadResult Read(std::size_t n) override { return m_inner.Read(n); }
    void Sleep(std::chrono::milliseconds duration) override { m_inner.Sleep(duration); }
    void SleepAfterAnswer(std::chrono::milliseconds duration) override { m_inner.SleepAfterAnswer(duration); }
    void Close() override { m_inner.Close(); }

protected:
    SerialLink& m_inner;
};
