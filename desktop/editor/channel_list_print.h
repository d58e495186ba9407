#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

// The printed channel list: a title, a heading line and one line for each of
// the 16 channels, taken from the grid's texts. Lengths are twips (1/1440
// inch), y grows upward from the top of the printable area, so lines further
// down have more negative y.

using CellText = std::function<QString(int row, int col)>;

struct PrintMetrics {
    int charHeight = 0;  // h: 45 lines fill the page
    int charWidth = 0;   // u: 80 characters across, after 900 twips of margin
};

struct PrintedText {
    int x = 0;
    int y = 0;
    QString text;
    friend bool operator==(const PrintedText&, const PrintedText&) = default;
};

// From the draw rectangle's size in device pixels and the device's resolution.
PrintMetrics ComputePrintMetrics(int width, int height, int dpiX, int dpiY);

// Where every text of the page goes, for a font whose line advance
// (height + external leading) is lineAdvance twips.
std::vector<PrintedText> LayoutChannelList(const CellText& cell, int charWidth, int lineAdvance);

// Draws the page into the draw rectangle of a painter whose device has the
// given resolution.
void DrawChannelList(QPainter& painter, const QRect& drawRect, int dpiX, int dpiY, const CellText& cell);
