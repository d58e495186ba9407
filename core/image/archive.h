#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A byte archive over a buffer, storing (appending to it) or loading (from its
// start). The first failure sticks: later operations do nothing and ok()
// stays false.
class CArchive {
public:
    enum Mode { store, load };

    CArchive(std::vector<std::uint8_t>& bytes, Mode mode) : m_bytes(bytes), m_mode(mode) {}

    bool IsStoring() const { return m_mode == store; }
    bool ok() const { return m_ok; }

    CArchive& operator<<(std::uint8_t b);
    CArchive& operator>>(std::uint8_t& b);

private:
    std::vector<std::uint8_t>& m_bytes;
    Mode m_mode;
    std::size_t m_loaded = 0;
    bool m_ok = true;
};
