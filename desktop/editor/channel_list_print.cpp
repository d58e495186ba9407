#include "channel_list_print.h"

#include "editor/dialog_units.h"

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

// The average character width that a font of width u is scaled to: the
// lowercase letters and the space weighted by how often they occur in
// English text (per mille), 0.401 em for Times New Roman. The font's own
// average width field means something else in most fonts today.
double weightedAverageWidth(const QFontMetricsF& metrics)
{
    struct Weight {
        char c;
        int perMille;
    };
    static constexpr Weight kWeights[] = {
        {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
        {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
        {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
    };
    double sum = 0;
    for (const Weight& w : kWeights)
        sum += w.perMille * metrics.horizontalAdvance(QLatin1Char(w.c));
    return sum / 1000;
}

// A font of character height h and average character width u (twips), as
// the printer device measures it: stretched so that its weighted average
// width is u, which puts the heading's words over their columns.
QFont printFont(const PrintMetrics& m, int dpiX, int dpiY, QPaintDevice* device)
{
    QFont font(FormFontFamily());
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Light);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(m.charHeight) * dpiY / kTwipsPerInch))));
    const double natural = weightedAverageWidth(QFontMetricsF(font, device));
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
