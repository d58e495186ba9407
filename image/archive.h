#pragma once

#include <QIODevice>

#include <cstdint>

// A byte archive on an open device, storing or loading. The first failure
// sticks: later operations do nothing and ok() stays false.
class CArchive {
public:
    enum Mode { store, load };

    CArchive(QIODevice& device, Mode mode) : m_device(device), m_mode(mode) {}

    bool IsStoring() const { return m_mode == store; }
    bool ok() const { return m_ok; }

    CArchive& operator<<(std::uint8_t b);
    CArchive& operator>>(std::uint8_t& b);

private:
    QIODevice& m_device;
    Mode m_mode;
    bool m_ok = true;
};
