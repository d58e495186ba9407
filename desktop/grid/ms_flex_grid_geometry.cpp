// The grid's lengths in twips, the selection as shown, and scrolling.

#include "grid/ms_flex_grid.h"

#include <QHeaderView>
#include <QScrollBar>

// ---- geometry in twips

// Both ways round to the nearest unit, so that a pixel length survives the
// trip through twips at any DPI up to 1440.
namespace {

long roundedScale(long value, long multiplier, long divisor)
{
    return (value * multiplier + divisor / 2) / divisor;
}

} // namespace

long CMSFlexGrid::PixelsToTwipsX(int px) const
{
    return roundedScale(px, 1440, logicalDpiX());
}

long CMSFlexGrid::PixelsToTwipsY(int py) const
{
    return roundedScale(py, 1440, logicalDpiY());
}

int CMSFlexGrid::TwipsToPixelsX(long twips) const
{
    return static_cast<int>(roundedScale(twips, logicalDpiX(), 1440));
}

int CMSFlexGrid::TwipsToPixelsY(long twips) const
{
    return static_cast<int>(roundedScale(twips, logicalDpiY(), 1440));
}

int CMSFlexGrid::colWidthPixels(long col) const
{
    if (col < m_fixedCols)
        return verticalHeader()->width();
    return columnWidth(static_cast<int>(col - m_fixedCols));
}

// A width that was put reads back as put, as long as the column still has the
// pixel width it was given.
long CMSFlexGrid::GetColWidth(long col) const
{
    const int px = colWidthPixels(col);
    const auto put = m_colWidthTwips.constFind(col);
    if (put != m_colWidthTwips.constEnd() && TwipsToPixelsX(*put) == px)
        return *put;
    if (TwipsToPixelsX(kDefaultColWidthTwips) == px)
        return kDefaultColWidthTwips;
    return PixelsToTwipsX(px);
}

void CMSFlexGrid::SetColWidth(long col, long twips)
{
    const int px = TwipsToPixelsX(twips);
    if (col < m_fixedCols)
        verticalHeader()->setFixedWidth(px);
    else
        setColumnWidth(static_cast<int>(col - m_fixedCols), px);
    m_colWidthTwips.insert(col, twips);
}

long CMSFlexGrid::GetRowHeight(long row) const
{
    if (row < m_fixedRows)
        return PixelsToTwipsY(horizontalHeader()->height());
    return PixelsToTwipsY(rowHeight(static_cast<int>(row - m_fixedRows)));
}

long CMSFlexGrid::GetRowPos(long row) const
{
    if (row < m_fixedRows)
        return 0;
    const int top = viewport()->geometry().top() - frameWidth();
    return PixelsToTwipsY(top + rowViewportPosition(static_cast<int>(row - m_fixedRows)));
}

long CMSFlexGrid::GetColPos(long col) const
{
    if (col < m_fixedCols)
        return 0;
    const int left = viewport()->geometry().left() - frameWidth();
    return PixelsToTwipsX(left + columnViewportPosition(static_cast<int>(col - m_fixedCols)));
}

// ---- selection display

void CMSFlexGrid::SetHighLight(long highLight)
{
    m_highLight = highLight;
    viewport()->update();
}

bool CMSFlexGrid::SelectionShown() const
{
    return m_highLight == kHighLightAlways || (m_highLight == kHighLightWithFocus && hasFocus());
}

void CMSFlexGrid::SetSelectionMode(long mode)
{
    switch (mode) {
    case kSelectionByRow:
        setSelectionBehavior(QAbstractItemView::SelectRows);
        break;
    case kSelectionByColumn:
        setSelectionBehavior(QAbstractItemView::SelectColumns);
        break;
    default:
        setSelectionBehavior(QAbstractItemView::SelectItems);
        break;
    }
}

void CMSFlexGrid::SetWordWrap(bool wrap)
{
    setWordWrap(wrap);
}

void CMSFlexGrid::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    viewport()->update();
}

void CMSFlexGrid::focusOutEvent(QFocusEvent* event)
{
    QTableWidget::focusOutEvent(event);
    viewport()->update();
}

// ---- scrolling

void CMSFlexGrid::PageDown()
{
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
}

void CMSFlexGrid::PageUp()
{
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
}

