#include "editor/channel_list_print.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const char* const kHeadings[] = {"CH", "Rx Freq", "Tx Freq", "Rx Tone", "Tx Tone", "Busy", "Power", "Bandwidth", "Scan"};

// Channel 1 in use without a transmit frequency, the rest empty.
QString exampleCell(int row, int col)
{
    if (row == 0)
        return QString::fromLatin1(kHeadings[col]);
    if (col == 0)
        return QString::number(row);
    if (row != 1)
        return {};
    const char* const channel1[] = {"", "145.52500", "", "Off", "67.0", "QT/DQT", "High", "Narrow", "Del"};
    return QString::fromLatin1(channel1[col]);
}

TEST(ChannelListPrint, MetricsOfTheExamplePrinter)
{
    struct Case {
        int width, height, dpiX, dpiY, h, u;
    };
    const Case cases[] = {
        {4800, 6600, 600, 600, 350, 132},
        {4960, 7016, 600, 600, 155 * 1440 / 600, (4960 * 1440 / 600 - 900) / 80},
        {2400, 3300, 300, 300, 73 * 1440 / 300, (2400 * 1440 / 300 - 900) / 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        const PrintMetrics m = ComputePrintMetrics(c.width, c.height, c.dpiX, c.dpiY);
        EXPECT_EQ(m.charHeight, c.h);
        EXPECT_EQ(m.charWidth, c.u);
    }
}

TEST(ChannelListPrint, LinesAndColumnsSitAtTheirPositions)
{
    const int u = 132;
    const int L = 400;
    const std::vector<PrintedText> texts = LayoutChannelList(exampleCell, u, L);
    ASSERT_EQ(texts.size(), 2u + 16u * 9u);

    EXPECT_EQ(texts[0], (PrintedText{264, -600, "Channel:"}));
    EXPECT_EQ(texts[1].x, 132);
    EXPECT_EQ(texts[1].y, -1080);  // -600 - 1.2 x 400
    EXPECT_EQ(texts[1].text, "CH    Rx(MHz)  Tx(MHz)     Rx Tone  Tx Tone   Busy   Power    Bandwidth   Scan");

    const int columnX[] = {132, 660, 2244, 4092, 5412, 6732, 8052, 9240, 10560};
    for (int r = 1; r <= 16; ++r) {
        for (int c = 0; c < 9; ++c) {
            const PrintedText& t = texts[static_cast<std::size_t>(2 + (r - 1) * 9 + c)];
            SCOPED_TRACE(testing::Message() << "row " << r << " col " << c);
            EXPECT_EQ(t.x, columnX[c]);
            EXPECT_EQ(t.y, -1080 - r * L);
        }
    }
    // Channel 1: the number alone, every other cell followed by one space;
    // the empty transmit frequency prints as a space only.
    EXPECT_EQ(texts[2].text, "1");
    EXPECT_EQ(texts[3].text, "145.52500 ");
    EXPECT_EQ(texts[4].text, " ");
    EXPECT_EQ(texts[10].text, "Del ");
    // An empty channel still prints every cell.
    EXPECT_EQ(texts[2 + 15 * 9].text, "16");
    EXPECT_EQ(texts[2 + 15 * 9 + 8].text, " ");
}

// Dark pixels in a rectangle of the rendered page.
int inkIn(const QImage& page, const QRect& area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(page.pixel(x, y)) < 128;
    return ink;
}

TEST(ChannelListPrint, RenderedPageHasTextWhereTheLayoutPutsIt)
{
    QImage page(4800, 6600, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(600 / 0.0254));
    page.setDotsPerMeterY(qRound(600 / 0.0254));
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        DrawChannelList(painter, page.rect(), 600, 600, exampleCell);
    }
    // Nothing left of the channel numbers (132 twips = 55 pixels).
    EXPECT_EQ(inkIn(page, QRect(0, 0, 50, 6600)), 0);
    // The channel numbers start at 55 pixels, the Scan column at 10560 twips = 4400 pixels.
    const int top = 300;
    const int bottom = 3200;
    EXPECT_GT(inkIn(page, QRect(55, top, 100, bottom - top)), 0);
    EXPECT_GT(inkIn(page, QRect(4400, top, 399, bottom - top)), 0);  // "Scan" and "Del"
    // Nothing below the 16th channel line (each line well under 10 % of the page).
    EXPECT_EQ(inkIn(page, QRect(0, 5000, 4800, 1600)), 0);
}

} // namespace
