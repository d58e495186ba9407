#include "editor/dialog_units.h"

#include <QFontMetrics>

namespace {

// Rounded a x b / c, as the platform's MulDiv.
int mulDiv(int a, int b, int c)
{
    return (a * b + c / 2) / c;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    static const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(kAlphabet) / 26 + 1) / 2;
    m_baseY = metrics.height();
}

int DialogUnits::x(int units) const
{
    return mulDiv(units, m_baseX, 4);
}

int DialogUnits::y(int units) const
{
    return mulDiv(units, m_baseY, 8);
}

QRect DialogUnits::rect(int left, int top, int width, int height) const
{
    return QRect(x(left), y(top), x(width), y(height));
}

QSize DialogUnits::size(int width, int height) const
{
    return QSize(x(width), y(height));
}

QString FormFontFamily()
{
    return QStringLiteral("Times New Roman");
}
