#pragma once

#include "link/serial_link.h"

class CProgressDialog;

// The link of a desktop transfer: before each read it shows what the dialog
// has been given since the last one, while the request is on the line and the
// radio has yet to answer, so that the radio never waits for the screen. It
// never paints between two writes: a frame sent in two calls leaves as one.
class CProgressPaintLink final : public SerialLink {
public:
    CProgressPaintLink(SerialLink& inner, CProgressDialog& dialog) : m_inner(inner), m_dialog(dialog) {}

    OpenStatus Open(const std::string& name) override { return m_inner.Open(name); }
    void Configure() override { m_inner.Configure(); }
    void PurgeAll() override { m_inner.PurgeAll(); }
    void Clear() override { m_inner.Clear(); }
    WriteResult Write(std::span<const std::uint8_t> bytes) override { return m_inner.Write(bytes); }
    ReadResult Read(std::size_t n) override;
    void Sleep(std::chrono::milliseconds duration) override { m_inner.Sleep(duration); }
    void SleepAfterAnswer(std::chrono::milliseconds duration) override { m_inner.SleepAfterAnswer(duration); }
    void Close() override { m_inner.Close(); }

private:
    SerialLink& m_inner;
    CProgressDialog& m_dialog;
};
