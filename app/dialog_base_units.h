#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Dialog layouts are given in dialog units: a quarter of the font's average
// character width across, an eighth of its height down, so that a dialog
// keeps its proportions whatever font size the system chooses.
class DialogBaseUnits {
public:
    explicit DialogBaseUnits(const QFont& font);

    QRect rect(int x, int y, int width, int height) const;
    QSize size(int width, int height) const;

private:
    int m_baseX;
    int m_baseY;
};
