#include "grid/ms_flex_grid.h"

#include "grid/flex_grid_delegate.h"
#include "grid/flex_grid_style.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>

namespace {

// Room above and below the text of a row.
constexpr int kRowPaddingPx = 4;

} // namespace

CMSFlexGrid::CMSFlexGrid(QWidget* parent)
    : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setItemDelegate(new FlexGridDelegate(this));
    auto* style = new FlexGridStyle;
    style->setParent(this);
    setStyle(style);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    viewport()->setMouseTracking(true);

    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignCenter);
        header->setMinimumSectionSize(1);
        header->viewport()->installEventFilter(this);
        header->viewport()->setMouseTracking(true);
        connect(header, &QHeaderView::sectionPressed, this, &CMSFlexGrid::headingPressed);
    }
    horizontalHeader()->setDefaultSectionSize(TwipsToPixelsX(kDefaultColWidthTwips));
    verticalHeader()->setFixedWidth(TwipsToPixelsX(kDefaultColWidthTwips));
    fitRowsToFont();

    // The corner cell carries the label column's heading.
    setCornerButtonEnabled(false);
    m_corner = findChild<QAbstractButton*>();
    if (m_corner)
        m_corner->installEventFilter(this);

    connect(this, &QTableWidget::currentCellChanged, this, [this] { emit EnterCell(); });
}

// Rows are as high as the grid's text needs.
void CMSFlexGrid::fitRowsToFont()
{
    const int rowHeight = fontMetrics().height() + kRowPaddingPx;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, rowHeight);
}

void CMSFlexGrid::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowsToFont();
}

// ---- size of the table

long CMSFlexGrid::GetRows() const
{
    return rowCount() + m_fixedRows;
}

void CMSFlexGrid::SetRows(long rows)
{
    setRowCount(static_cast<int>(std::max(rows - m_fixedRows, 0L)));
    fillMissingHeadings();
}

long CMSFlexGrid::GetCols() const
{
    return columnCount() + m_fixedCols;
}

void CMSFlexGrid::SetCols(long cols)
{
    setColumnCount(static_cast<int>(std::max(cols - m_fixedCols, 0L)));
    m_colAlignment.resize(static_cast<int>(std::max(cols, 0L)), kAlignGeneral);
    fillMissingHeadings();
}

void CMSFlexGrid::SetFixedRows(long rows)
{
    const long total = GetRows();
    m_fixedRows = rows > 0 ? 1 : 0;
    horizontalHeader()->setVisible(m_fixedRows == 1);
    SetRows(total);
}

void CMSFlexGrid::SetFixedCols(long cols)
{
    const long total = GetCols();
    m_fixedCols = cols > 0 ? 1 : 0;
    verticalHeader()->setVisible(m_fixedCols == 1);
    SetCols(total);
}

// Qt shows a row's number, or a column's letter, where a heading has no item
// of its own; the grid's empty headings stay empty.
void CMSFlexGrid::fillMissingHeadings()
{
    for (int c = 0; c < columnCount(); ++c) {
        if (!horizontalHeaderItem(c))
            setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
    }
    for (int r = 0; r < rowCount(); ++r) {
        if (!verticalHeaderItem(r))
            setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
    }
}

// ---- the current cell

long CMSFlexGrid::GetRow() const
{
    return std::max(currentRow(), 0) + m_fixedRows;
}

void CMSFlexGrid::SetRow(long row)
{
    setCurrentCell(static_cast<int>(row - m_fixedRows), std::max(currentColumn(), 0));
}

std::pair<long, long> CMSFlexGrid::GetSelectedRows() const
{
    const int current = std::max(currentRow(), 0);
    for (const QTableWidgetSelectionRange& range : selectedRanges()) {
        if (range.topRow() <= current && current <= range.bottomRow())
            return {range.topRow() + m_fixedRows, range.bottomRow() + m_fixedRows};
    }
    return {current + m_fixedRows, current + m_fixedRows};
}

void CMSFlexGrid::SelectRows(long first, long last, long col)
{
    const int top = static_cast<int>(first - m_fixedRows);
    const int bottom = static_cast<int>(last - m_fixedRows);
    setCurrentCell(top, static_cast<int>(col - m_fixedCols), QItemSelectionModel::NoUpdate);
    clearSelection();
    setRangeSelected(QTableWidgetSelectionRange(top, 0, bottom, columnCount() - 1), true);
}

void CMSFlexGrid::AddRowsToSelection(long first, long last)
{
    setRangeSelected(QTableWidgetSelectionRange(static_cast<int>(first - m_fixedRows), 0,
                                                static_cast<int>(last - m_fixedRows), columnCount() - 1),
                     true);
}

long CMSFlexGrid::GetCol() const
{
    return std::max(currentColumn(), 0) + m_fixedCols;
}

void CMSFlexGrid::SetCol(long col)
{
    setCurrentCell(std::max(currentRow(), 0), static_cast<int>(col - m_fixedCols));
}

QString CMSFlexGrid::GetText() const
{
    return GetTextMatrix(GetRow(), GetCol());
}

void CMSFlexGrid::SetText(const QString& text)
{
    SetTextMatrix(GetRow(), GetCol(), text);
}

// ---- cell texts

const QTableWidgetItem* CMSFlexGrid::itemAt(long row, long col) const
{
    return const_cast<CMSFlexGrid*>(this)->itemAt(row, col, false);
}

// The item holding cell (row, col): a body item, a heading item, or nullptr
// for the corner and for cells outside the table.
QTableWidgetItem* CMSFlexGrid::itemAt(long row, long col, bool create)
{
    if (row < 0 || col < 0 || row >= GetRows() || col >= GetCols())
        return nullptr;
    const int r = static_cast<int>(row - m_fixedRows);
    const int c = static_cast<int>(col - m_fixedCols);
    if (r < 0 && c < 0)
        return nullptr;
    if (r < 0)
        return horizontalHeaderItem(c);
    if (c < 0)
        return verticalHeaderItem(r);
    QTableWidgetItem* cell = item(r, c);
    if (!cell && create) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(alignmentOf(col));
        setItem(r, c, cell);
    }
    return cell;
}

QString CMSFlexGrid::GetTextMatrix(long row, long col) const
{
    if (row == 0 && col == 0 && m_fixedRows == 1 && m_fixedCols == 1)
        return m_cornerText;
    const QTableWidgetItem* cell = itemAt(row, col);
    return cell ? cell->text() : QString();
}

void CMSFlexGrid::SetTextMatrix(long row, long col, const QString& text)
{
    if (row == 0 && col == 0 && m_fixedRows == 1 && m_fixedCols == 1) {
        m_cornerText = text;
        if (m_corner)
            m_corner->update();
        return;
    }
    if (QTableWidgetItem* cell = itemAt(row, col, !text.isEmpty()))
        cell->setText(text);
}

// ---- alignment

Qt::Alignment CMSFlexGrid::alignmentOf(long col) const
{
    const short a = col >= 0 && col < m_colAlignment.size() ? m_colAlignment[static_cast<int>(col)] : kAlignGeneral;
    if (a < kAlignLeftTop || a > kAlignRightBottom)
        return Qt::AlignLeft | Qt::AlignVCenter;
    static constexpr Qt::AlignmentFlag kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::AlignmentFlag kVertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return kHorizontal[a / 3] | kVertical[a % 3];
}

void CMSFlexGrid::SetColAlignment(long col, short alignment)
{
    if (col < 0 || col >= m_colAlignment.size())
        return;
    m_colAlignment[static_cast<int>(col)] = alignment;
    realignColumn(col);
}

void CMSFlexGrid::realignColumn(long col)
{
    const Qt::Alignment alignment = alignmentOf(col);
    for (long row = 0; row < GetRows(); ++row) {
        if (QTableWidgetItem* cell = itemAt(row, col, false))
            cell->setTextAlignment(alignment);
    }
}

