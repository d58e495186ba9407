#include "archive.h"

CArchive& CArchive::operator<<(std::uint8_t b)
{
    if (m_ok)
        m_ok = m_device.putChar(static_cast<char>(b));
    return *this;
}

CArchive& CArchive::operator>>(std::uint8_t& b)
{
    char c = 0;
    if (m_ok)
        m_ok = m_device.getChar(&c);
    if (m_ok)
        b = static_cast<std::uint8_t>(c);
    return *this;
}
