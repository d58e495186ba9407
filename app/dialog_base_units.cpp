#include "dialog_base_units.h"

#include <QFontMetrics>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int AverageCharWidth(const QFontMetrics& metrics)
{
    const int width = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet));
    return (width / 26 + 1) / 2;
}

} // namespace

DialogBaseUnits::DialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    m_baseX = std::max(1, AverageCharWidth(metrics));
    m_baseY = std::max(1, metrics.height());
}

QRect DialogBaseUnits::rect(int x, int y, int width, int height) const
{
    return QRect(x * m_baseX / 4, y * m_baseY / 8, width * m_baseX / 4, height * m_baseY / 8);
}

QSize DialogBaseUnits::size(int width, int height) const
{
    return QSize(width * m_baseX / 4, height * m_baseY / 8);
}
