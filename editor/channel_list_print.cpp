#include "channel_list_print.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kLinesPerPage = 45;
constexpr int kCharsPerLine = 80;
constexpr int kMargin = 900;
constexpr int kChannelRows = 16;

// x of grid columns 0..8, in character widths.
constexpr int kColumnX[] = {1, 5, 17, 31, 41, 51, 61, 70, 80};

QString headingLine(const CellText& cell)
{
    return cell(0, 0) + QString(4, ' ') + QStringLiteral("Rx(MHz)") + QString(2, ' ') + QStringLiteral("Tx(MHz)") +
           QString(5, ' ') + cell(0, 3) + QString(2, ' ') + cell(0, 4) + QString(3, ' ') + cell(0, 5) +
           QString(3, ' ') + cell(0, 6) + QString(4, ' ') + cell(0, 7) + QString(3, ' ') + cell(0, 8);
}

// A font of character height h and average character width u (twips), as
// the printer device measures it.
QFont printFont(const PrintMetrics& m, int dpiX, int dpiY, QPaintDevice* device)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Light);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(m.charHeight) * dpiY / kTwipsPerInch))));
    const double natural = QFontMetricsF(font, device).averageCharWidth();
    const double wanted = double(m.charWidth) * dpiX / kTwipsPerInch;
    if (natural > 0)
        font.setStretch(std::clamp(static_cast<int>(std::lround(100 * wanted / natural)), 1, 4000));
    return font;
}

} // namespace

PrintMetrics ComputePrintMetrics(int width, int height, int dpiX, int dpiY)
{
    PrintMetrics m;
    m.charHeight = (height / kLinesPerPage) * kTwipsPerInch / dpiY;
    m.charWidth = (width * kTwipsPerInch / dpiX - kMargin) / kCharsPerLine;
    return m;
}

std::vector<PrintedText> LayoutChannelList(const CellText& cell, int u, int L)
{
    std::vector<PrintedText> texts;
    int y = -(L / 2) - L;
    texts.push_back({2 * u, y, QStringLiteral("Channel:")});

    y = static_cast<int>(std::trunc(y - 1.2 * L));
    texts.push_back({u, y, headingLine(cell)});

    for (int r = 1; r <= kChannelRows; ++r) {
        y -= L;
        texts.push_back({kColumnX[0] * u, y, cell(r, 0)});
        for (int c = 1; c < static_cast<int>(std::size(kColumnX)); ++c)
            texts.push_back({kColumnX[c] * u, y, cell(r, c) + QLatin1Char(' ')});
    }
    return texts;
}

void DrawChannelList(QPainter& painter, const QRect& drawRect, int dpiX, int dpiY, const CellText& cell)
{
    const PrintMetrics m = ComputePrintMetrics(drawRect.width(), drawRect.height(), dpiX, dpiY);
    const QFont previous = painter.font();
    const QFont font = printFont(m, dpiX, dpiY, painter.device());
    painter.setFont(font);

    const QFontMetricsF fm(font, painter.device());
    const int lineAdvance = static_cast<int>((fm.height() + fm.leading()) * kTwipsPerInch / dpiY);

    // Each text's y is the top of its character cell.
    for (const PrintedText& t : LayoutChannelList(cell, m.charWidth, lineAdvance)) {
        const double x = drawRect.left() + double(t.x) * dpiX / kTwipsPerInch;
        const double top = drawRect.top() + double(-t.y) * dpiY / kTwipsPerInch;
        painter.drawText(QPointF(x, top + fm.ascent()), t.text);
    }
    painter.setFont(previous);
}
