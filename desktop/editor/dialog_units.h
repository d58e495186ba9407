#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

// The face the form, the program's dialogs and the printed channel list are
// laid out in (a font's name, never translated).
[[nodiscard]] QString FormFontFamily();

// Dialog template units of a font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int left, int top, int width, int height) const;
    QSize size(int width, int height) const;

private:
    int m_baseX;
    int m_baseY;
};
