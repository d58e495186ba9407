#include "grid/ms_flex_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 17 x 9 grid with headings and labels, shown in an active window beside a
// line edit that can take the focus away from it.
class GridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&m_window);
        m_other = new QLineEdit(&m_window);
        m_grid = new CMSFlexGrid(&m_window);
        layout->addWidget(m_other);
        layout->addWidget(m_grid);
        m_grid->SetRows(17);
        m_grid->SetCols(9);
        m_grid->SetFixedRows(1);
        m_grid->SetFixedCols(1);
        for (long c = 0; c < 9; ++c)
            m_grid->SetTextMatrix(0, c, QStringLiteral("H%1").arg(c));
        for (long r = 1; r < 17; ++r)
            m_grid->SetTextMatrix(r, 0, QString::number(r));
        m_grid->setCurrentCell(0, 0);
        m_window.resize(900, 600);
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_grid->setFocus();
    }

    // Centre of cell (row, col) in the coordinates of the widget that shows it.
    QPoint cellCentre(long row, long col) const
    {
        return m_grid->visualRect(m_grid->model()->index(static_cast<int>(row - 1), static_cast<int>(col - 1)))
            .center();
    }

    QWidget m_window;
    QLineEdit* m_other = nullptr;
    CMSFlexGrid* m_grid = nullptr;
};

TEST_F(GridTest, TextMatrixReachesHeadingsLabelsAndCells)
{
    struct Case {
        long row;
        long col;
        QString text;
    };
    const std::vector<Case> cases = {
        {0, 0, "CH"}, {0, 5, "Busy"}, {7, 0, "seven"}, {1, 1, "145.52500"}, {16, 8, "Del"}, {9, 4, "D023N"},
    };
    for (const Case& c : cases)
        m_grid->SetTextMatrix(c.row, c.col, c.text);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.col);
        EXPECT_EQ(m_grid->GetTextMatrix(c.row, c.col), c.text);
    }
    // The heading and the label column show in Qt's own headers.
    EXPECT_EQ(m_grid->horizontalHeaderItem(4)->text(), "Busy");
    EXPECT_EQ(m_grid->verticalHeaderItem(6)->text(), "seven");
    EXPECT_EQ(m_grid->item(8, 3)->text(), "D023N");
}

TEST_F(GridTest, UnwrittenCellsAndCellsOutsideReadEmpty)
{
    EXPECT_EQ(m_grid->GetTextMatrix(3, 3), "");
    EXPECT_EQ(m_grid->GetTextMatrix(17, 1), "");
    EXPECT_EQ(m_grid->GetTextMatrix(1, 9), "");
    m_grid->SetTextMatrix(2, 2, "x");
    m_grid->SetTextMatrix(2, 2, "");
    EXPECT_EQ(m_grid->GetTextMatrix(2, 2), "");
}

TEST_F(GridTest, FreshRowsHaveEmptyLabelsNotRowNumbers)
{
    m_grid->SetRows(20);
    EXPECT_EQ(m_grid->GetTextMatrix(18, 0), "");
    EXPECT_EQ(m_grid->verticalHeaderItem(17)->text(), "");
}

TEST_F(GridTest, CurrentCellPutAndGet)
{
    m_grid->SetRow(5);
    m_grid->SetCol(7);
    EXPECT_EQ(m_grid->GetRow(), 5);
    EXPECT_EQ(m_grid->GetCol(), 7);
    m_grid->SetText("Narrow");
    EXPECT_EQ(m_grid->GetTextMatrix(5, 7), "Narrow");
    EXPECT_EQ(m_grid->GetText(), "Narrow");
    m_grid->SetCol(1);
    EXPECT_EQ(m_grid->GetRow(), 5);
}

TEST_F(GridTest, ColWidthReadsBackAsPutAndShowsInWholePixels)
{
    const int dpi = m_grid->logicalDpiX();
    for (long col = 0; col < 9; ++col) {
        SCOPED_TRACE(col);
        const long twips = 600 + 152 * col;
        m_grid->SetColWidth(col, twips);
        const int px = static_cast<int>((twips * dpi + 720) / 1440);
        EXPECT_EQ(m_grid->GetColWidth(col), twips);
        const int shown = col == 0 ? m_grid->verticalHeader()->width() : m_grid->columnWidth(static_cast<int>(col - 1));
        EXPECT_EQ(shown, px);
    }
    // Resized by other means, the column reads its real width.
    m_grid->setColumnWidth(2, 50);
    EXPECT_EQ(m_grid->GetColWidth(3), (50 * 1440 + dpi / 2) / dpi);
}

TEST_F(GridTest, DefaultColumnWidthIsTwoThirdsOfAnInch)
{
    EXPECT_EQ(m_grid->GetColWidth(0), 960);
    EXPECT_EQ(m_grid->GetColWidth(4), 960);
    EXPECT_EQ(m_grid->columnWidth(3), (960 * m_grid->logicalDpiX() + 720) / 1440);
}

// An editor placed from ColPos/RowPos/ColWidth/RowHeight must cover the
// cell's real rectangle; a cell's width and height include its grid line.
TEST_F(GridTest, CellGeometryInTwipsMatchesTheCellOnScreen)
{
    m_grid->SetColWidth(0, 480);
    m_grid->SetColWidth(3, 1248);
    QApplication::processEvents();
    const int frame = m_grid->frameWidth();
    const std::vector<std::pair<long, long>> cells = {{1, 1}, {1, 8}, {4, 3}, {9, 5}, {16, 1}, {16, 8}};
    for (const auto& [row, col] : cells) {
        SCOPED_TRACE(testing::Message() << row << "," << col);
        const QRect onScreen = m_grid->visualRect(m_grid->model()->index(static_cast<int>(row - 1),
                                                                         static_cast<int>(col - 1)))
                                   .translated(m_grid->viewport()->pos());
        const int x = frame + m_grid->TwipsToPixelsX(m_grid->GetColPos(col));
        const int y = frame + m_grid->TwipsToPixelsY(m_grid->GetRowPos(row));
        EXPECT_EQ(x, onScreen.left());
        EXPECT_EQ(y, onScreen.top());
        const int gridLine = m_grid->showGrid() ? 1 : 0;
        EXPECT_EQ(m_grid->TwipsToPixelsX(m_grid->GetColWidth(col)), onScreen.width() + gridLine);
        EXPECT_EQ(m_grid->TwipsToPixelsY(m_grid->GetRowHeight(row)), onScreen.height() + gridLine);
    }
    EXPECT_EQ(m_grid->GetColPos(0), 0);
    EXPECT_EQ(m_grid->GetRowPos(0), 0);
    EXPECT_EQ(frame + m_grid->TwipsToPixelsY(m_grid->GetRowHeight(0)), m_grid->viewport()->y());
}

TEST_F(GridTest, RowsFollowTheFontSize)
{
    for (int points : {9, 14, 6}) {
        SCOPED_TRACE(points);
        QFont font = m_grid->font();
        font.setPointSize(points);
        font.setBold(true);
        m_grid->setFont(font);
        const int text = QFontMetrics(font).height();
        for (long row : {0L, 1L, 16L}) {
            const int px = m_grid->TwipsToPixelsY(m_grid->GetRowHeight(row));
            EXPECT_GE(px, text) << row;
            EXPECT_LE(px, text + 8) << row;
        }
    }
}

TEST_F(GridTest, ColAlignmentCodes)
{
    struct Case {
        short code;
        Qt::Alignment alignment;
    };
    const Case cases[] = {
        {0, Qt::AlignLeft | Qt::AlignTop},        {1, Qt::AlignLeft | Qt::AlignVCenter},
        {4, Qt::AlignHCenter | Qt::AlignVCenter}, {5, Qt::AlignHCenter | Qt::AlignBottom},
        {7, Qt::AlignRight | Qt::AlignVCenter},   {9, Qt::AlignLeft | Qt::AlignVCenter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        m_grid->SetTextMatrix(2, 3, "before");
        m_grid->SetColAlignment(3, c.code);
        m_grid->SetTextMatrix(3, 3, "after");
        EXPECT_EQ(Qt::Alignment(m_grid->item(1, 2)->textAlignment()), c.alignment);
        EXPECT_EQ(Qt::Alignment(m_grid->item(2, 2)->textAlignment()), c.alignment);
        EXPECT_EQ(Qt::Alignment(m_grid->horizontalHeaderItem(2)->textAlignment()), c.alignment);
    }
}

TEST_F(GridTest, ArrowHomeAndEndMoveBetweenBodyCellsOnly)
{
    struct Case {
        long row;
        long col;
        Qt::Key key;
        long wantRow;
        long wantCol;
    };
    const Case cases[] = {
        {3, 1, Qt::Key_Left, 3, 1},  {3, 4, Qt::Key_Left, 3, 3},  {3, 8, Qt::Key_Right, 3, 8},
        {1, 5, Qt::Key_Up, 1, 5},    {16, 5, Qt::Key_Down, 16, 5}, {6, 5, Qt::Key_Down, 7, 5},
        {6, 5, Qt::Key_Home, 6, 1},  {6, 5, Qt::Key_End, 6, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.col << " key " << c.key);
        m_grid->SetRow(c.row);
        m_grid->SetCol(c.col);
        QTest::keyClick(m_grid, c.key);
        EXPECT_EQ(m_grid->GetRow(), c.wantRow);
        EXPECT_EQ(m_grid->GetCol(), c.wantCol);
    }
}

TEST_F(GridTest, EnterCellWhenTheCurrentCellChanges)
{
    QSignalSpy enter(m_grid, &CMSFlexGrid::EnterCell);
    m_grid->SetRow(2);
    m_grid->SetCol(2);
    QTest::keyClick(m_grid, Qt::Key_Right);
    EXPECT_EQ(enter.count(), 3);
    m_grid->SetCol(3);
    EXPECT_EQ(enter.count(), 3);
}

TEST_F(GridTest, TypedCharactersAreReportedAndMoveNothing)
{
    m_grid->SetTextMatrix(5, 2, "1 match for a search by text");
    m_grid->SetRow(2);
    m_grid->SetCol(2);
    std::vector<short> typed;
    QObject::connect(m_grid, &CMSFlexGrid::KeyPress, m_grid, [&](short* key) { typed.push_back(*key); });
    QTest::keyClicks(m_grid, "1a.");
    QTest::keyClick(m_grid, Qt::Key_Return);
    QTest::keyClick(m_grid, Qt::Key_Backspace);
    QTest::keyClick(m_grid, Qt::Key_Down);   // moves, and is no character
    QTest::keyClick(m_grid, Qt::Key_F5);
    EXPECT_EQ(typed, (std::vector<short>{'1', 'a', '.', 13, 8}));
    EXPECT_EQ(m_grid->GetRow(), 3);
    EXPECT_EQ(m_grid->GetCol(), 2);
    EXPECT_EQ(m_grid->GetTextMatrix(2, 2), "");
}

TEST_F(GridTest, MouseDownFollowsTheMoveToThePressedCell)
{
    struct Press {
        long row;
        long col;
        Qt::MouseButton button;
        short wantButton;
        long wantRow;
        long wantCol;
    };
    // A right press reports, but does not move the current cell.
    const Press presses[] = {
        {4, 3, Qt::LeftButton, 1, 4, 3},
        {12, 8, Qt::LeftButton, 1, 12, 8},
        {7, 2, Qt::RightButton, 2, 12, 8},
    };
    for (const Press& p : presses) {
        SCOPED_TRACE(testing::Message() << p.row << "," << p.col);
        long rowAtEvent = -1;
        long colAtEvent = -1;
        long mouseCol = -1;
        short button = 0;
        const auto onMouseDown = [&](short b, short, long, long) {
            button = b;
            rowAtEvent = m_grid->GetRow();
            colAtEvent = m_grid->GetCol();
            mouseCol = m_grid->GetMouseCol();
        };
        const auto connection = QObject::connect(m_grid, &CMSFlexGrid::MouseDown, m_grid, onMouseDown);
        QTest::mousePress(m_grid->viewport(), p.button, Qt::NoModifier, cellCentre(p.row, p.col));
        QTest::mouseRelease(m_grid->viewport(), p.button, Qt::NoModifier, cellCentre(p.row, p.col));
        QObject::disconnect(connection);
        EXPECT_EQ(button, p.wantButton);
        EXPECT_EQ(rowAtEvent, p.wantRow);
        EXPECT_EQ(colAtEvent, p.wantCol);
        EXPECT_EQ(mouseCol, p.col);
    }
}

TEST_F(GridTest, PressOnAChannelNumberPicksItsRowWithMouseColZero)
{
    m_grid->SetRow(2);
    m_grid->SetCol(6);
    long rowAtEvent = -1;
    long mouseColAtEnter = -1;
    int downs = 0;
    QObject::connect(m_grid, &CMSFlexGrid::EnterCell, m_grid, [&] { mouseColAtEnter = m_grid->GetMouseCol(); });
    QObject::connect(m_grid, &CMSFlexGrid::MouseDown, m_grid, [&](short, short, long, long) {
        ++downs;
        rowAtEvent = m_grid->GetRow();
    });
    QHeaderView* labels = m_grid->verticalHeader();
    const QPoint at(labels->width() / 2, labels->sectionViewportPosition(8) + labels->sectionSize(8) / 2);
    QTest::mousePress(labels->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(labels->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(rowAtEvent, 9);
    EXPECT_EQ(m_grid->GetCol(), 1);
    EXPECT_EQ(m_grid->GetMouseCol(), 0);
    EXPECT_EQ(mouseColAtEnter, 0);
    EXPECT_EQ(m_grid->selectionModel()->selectedIndexes().size(), 8);
}

TEST_F(GridTest, HighLightDecidesWhenTheSelectionShows)
{
    struct Case {
        long highLight;
        bool focused;
        bool shown;
    };
    const Case cases[] = {
        {0, true, false}, {0, false, false}, {1, true, true}, {1, false, true}, {2, true, true}, {2, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.highLight << (c.focused ? " focused" : ""));
        m_grid->SetHighLight(c.highLight);
        if (c.focused)
            m_grid->setFocus();
        else
            m_other->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(m_grid->GetHighLight(), c.highLight);
        EXPECT_EQ(m_grid->SelectionShown(), c.shown);

        // A row picked by its number: its cells but the current one show the
        // selection colour, or the plain background.
        m_grid->SetRow(4);
        m_grid->SetCol(1);
        m_grid->setRangeSelected(QTableWidgetSelectionRange(3, 0, 3, 7), true);
        const QImage shot = m_grid->grab().toImage();
        const auto colourAt = [&](long row, long col) {
            return shot.pixelColor(m_grid->visualRect(m_grid->model()->index(static_cast<int>(row - 1),
                                                                              static_cast<int>(col - 1)))
                                       .translated(m_grid->viewport()->pos())
                                       .topLeft() +
                                   QPoint(2, 2));
        };
        const QPalette::ColorGroup group = c.focused ? QPalette::Active : QPalette::Inactive;
        const QColor selected = m_grid->palette().color(group, QPalette::Highlight);
        const QColor plain = m_grid->palette().color(group, QPalette::Base);
        EXPECT_EQ(colourAt(4, 5), c.shown ? selected : plain);
        EXPECT_EQ(colourAt(4, 8), c.shown ? selected : plain);
        EXPECT_NE(colourAt(4, 1), selected);
        EXPECT_EQ(colourAt(5, 5), plain);
    }
}

TEST_F(GridTest, PageDownScrollsAGridTallerThanItsWindow)
{
    m_window.resize(300, 180);
    QApplication::processEvents();
    ASSERT_GT(m_grid->verticalScrollBar()->maximum(), 0);
    const int before = m_grid->verticalScrollBar()->value();
    m_grid->PageDown();
    EXPECT_GT(m_grid->verticalScrollBar()->value(), before);
    m_grid->PageUp();
    EXPECT_EQ(m_grid->verticalScrollBar()->value(), before);
}

} // namespace
