#include "archive.h"

CArchive& CArchive::operator<<(std::uint8_t b)
{
    m_ok = m_ok && IsStoring();
    if (m_ok)
        m_bytes.push_back(b);
    return *this;
}

CArchive& CArchive::operator>>(std::uint8_t& b)
{
    m_ok = m_ok && !IsStoring() && m_loaded < m_bytes.size();
    if (m_ok)
        b = m_bytes[m_loaded++];
    return *this;
}
