#include "editor/program_view.h"

#include "document/program_doc.h"
#include "sim/demo_image.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 600;

int pixels(int twips)
{
    return twips * kDpi / 1440;
}

bool inkAt(const QImage& page, int x, int y)
{
    return qGray(page.pixel(x, y)) < 128;
}

// The first column with ink in [left, right) over the rows [top, bottom); -1 if none.
int firstInkColumn(const QImage& page, int left, int right, int top, int bottom)
{
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y)
            if (inkAt(page, x, y))
                return x;
    return -1;
}

// Text drawn at x starts its ink there or a little to the right: glyphs
// have a side bearing, which is less than a quarter of a character.
void ExpectTextAt(int ink, int x, int u)
{
    EXPECT_GE(ink, x);
    EXPECT_LT(ink, x + u / 4);
}

// The bands of rows that hold ink in the columns [left, right), top to bottom.
std::vector<std::pair<int, int>> inkBands(const QImage& page, int left, int right)
{
    std::vector<std::pair<int, int>> bands;
    bool inBand = false;
    for (int y = 0; y < page.height(); ++y) {
        bool ink = false;
        for (int x = left; x < right && !ink; ++x)
            ink = inkAt(page, x, y);
        if (ink && !inBand)
            bands.emplace_back(y, y);
        if (ink)
            bands.back().second = y + 1;
        inBand = ink;
    }
    return bands;
}

// The page of the example printer: 4800 x 6600 pixels at 600 per inch, so
// h = 350 and u = 132 twips. The form holds the demonstration channels;
// channel 4 receives only.
TEST(PrintedPage, ColumnsSitAtTheirTwipsAndAnEmptyTransmitFrequencyPrintsNothing)
{
    CProgramDoc doc;
    doc.m_image = DemoRadioImage();
    CProgramView view(&doc);
    view.OnInitialUpdate();

    QImage page(4800, 6600, QImage::Format_RGB32);
    page.setDotsPerMeterX(kDpi * 10000 / 254);
    page.setDotsPerMeterY(kDpi * 10000 / 254);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        view.OnPrint(painter, page.rect(), kDpi, kDpi);
    }

    const int u = pixels(132);
    // The channel numbers: 16 lines under the title and the heading.
    const std::vector<std::pair<int, int>> lines = inkBands(page, u, 4 * u);
    ASSERT_EQ(lines.size(), 18u);
    const auto& [top1, bottom1] = lines[2];
    ExpectTextAt(firstInkColumn(page, 0, 4 * u, top1, bottom1), pixels(132), u);
    // Scan of channel 1, "Add", at 80u = 10560 twips.
    ExpectTextAt(firstInkColumn(page, 79 * u, page.width(), top1, bottom1), pixels(10560), u);
    // Tx of channel 1 at 17u; channel 4 has none, and nothing prints up to its Rx tone at 31u.
    ExpectTextAt(firstInkColumn(page, 16 * u, 30 * u, top1, bottom1), 17 * u, u);
    const auto& [top4, bottom4] = lines[5];
    EXPECT_EQ(firstInkColumn(page, 16 * u, 31 * u, top4, bottom4), -1);
    ExpectTextAt(firstInkColumn(page, 31 * u, 40 * u, top4, bottom4), 31 * u, u);
    // Channels 5 to 16 are empty: their numbers and nothing else.
    const auto& [top16, bottom16] = lines[17];
    EXPECT_EQ(firstInkColumn(page, 4 * u, page.width(), top16, bottom16), -1);
}

// Where the words of the heading line start, in character widths u: ink
// that follows a gap of at least one character width. The single spaces
// inside "Rx Tone" and "Tx Tone" leave less.
std::vector<double> headingWordStarts(const QImage& page, int top, int bottom, int u)
{
    std::vector<double> starts;
    int lastInk = -page.width();
    for (int x = 0; x < page.width(); ++x) {
        bool ink = false;
        for (int y = top; y < bottom && !ink; ++y)
            ink = inkAt(page, x, y);
        if (!ink)
            continue;
        if (x - lastInk > u * 85 / 100)
            starts.push_back(double(x) / u);
        lastInk = x;
    }
    return starts;
}

// The heading's words stand over their columns: the font's weighted average
// character width is u, so a character of the heading line is u wide on
// average.
TEST(PrintedPage, HeadingWordsStandOverTheirColumns)
{
    CProgramDoc doc;
    doc.m_image = DemoRadioImage();
    CProgramView view(&doc);
    view.OnInitialUpdate();

    QImage page(4800, 6600, QImage::Format_RGB32);
    page.setDotsPerMeterX(kDpi * 10000 / 254);
    page.setDotsPerMeterY(kDpi * 10000 / 254);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        view.OnPrint(painter, page.rect(), kDpi, kDpi);
    }

    const int u = pixels(132);
    const std::vector<std::pair<int, int>> lines = inkBands(page, u, 4 * u);
    ASSERT_EQ(lines.size(), 18u);
    const std::vector<double> starts = headingWordStarts(page, lines[1].first, lines[1].second, u);
    // "CH", "Rx(MHz)", "Tx(MHz)", "Rx Tone", "Tx Tone", "Busy", "Power",
    // "Bandwidth", "Scan", as Times New Roman's advances place them.
    const double expected[] = {1, 7.0, 17.9, 30.6, 40.5, 50.8, 57.8, 66.7, 79.5};
    ASSERT_EQ(starts.size(), std::size(expected)) << testing::PrintToString(starts);
    for (std::size_t i = 0; i < starts.size(); ++i)
        EXPECT_NEAR(starts[i], expected[i], 1.0) << "word " << i;
}

} // namespace
