#include "grid/ms_flex_grid.h"

#include "grid/flex_grid_delegate.h"
#include "grid/flex_grid_style.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

namespace {

// A new column is 960 twips wide (two thirds of an inch).
constexpr long kDefaultColWidthTwips = 960;

// Room above and below the text of a row.
constexpr int kRowPaddingPx = 4;

short shiftState(Qt::KeyboardModifiers modifiers)
{
    short shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

short buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

bool isCellMovementKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

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
    m_colAlignment.resize(static_cast<int>(std::max(cols, 0L)), 9);
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
    const short a = col >= 0 && col < m_colAlignment.size() ? m_colAlignment[static_cast<int>(col)] : 9;
    if (a < 0 || a > 8)
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
    return m_highLight == 1 || (m_highLight == 2 && hasFocus());
}

void CMSFlexGrid::SetSelectionMode(long mode)
{
    switch (mode) {
    case 1:
        setSelectionBehavior(QAbstractItemView::SelectRows);
        break;
    case 2:
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

// ---- keyboard

// Cursor keys move the current cell; every other key that types a Latin-1
// character is reported, and nothing else (no search by typed text, no copy).
// Delete types nothing, though some systems give it the text DEL (0x7F).
void CMSFlexGrid::keyPressEvent(QKeyEvent* event)
{
    if (isCellMovementKey(event->key())) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    if (event->key() != Qt::Key_Delete && text.size() == 1 && text[0].unicode() <= 0xFF) {
        short keyAscii = static_cast<short>(text[0].unicode());
        emit KeyPress(&keyAscii);
        event->accept();
        return;
    }
    event->ignore();
}

// ---- mouse

long CMSFlexGrid::colAtViewportX(int x) const
{
    const int c = columnAt(x);
    if (c >= 0)
        return c + m_fixedCols;
    return x < 0 ? m_fixedCols : GetCols() - 1;
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event)
{
    m_mouseCol = colAtViewportX(event->position().toPoint().x());
    // Only the left button picks a cell.
    if (event->button() == Qt::LeftButton)
        QTableWidget::mousePressEvent(event);
    raiseMouseDown(event, viewport());
}

void CMSFlexGrid::mouseMoveEvent(QMouseEvent* event)
{
    m_mouseCol = colAtViewportX(event->position().toPoint().x());
    QTableWidget::mouseMoveEvent(event);
}

void CMSFlexGrid::raiseMouseDown(const QMouseEvent* event, QWidget* source)
{
    const QPoint at = source->mapTo(this, event->position().toPoint());
    emit MouseDown(buttonCode(event->button()), shiftState(event->modifiers()),
                   PixelsToTwipsX(at.x()), PixelsToTwipsY(at.y()));
}

void CMSFlexGrid::headingPressed()
{
    if (!m_pendingPress.active)
        return;
    m_pendingPress.active = false;
    emit MouseDown(m_pendingPress.button, m_pendingPress.shift, m_pendingPress.x, m_pendingPress.y);
}

bool CMSFlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_corner && event->type() == QEvent::Paint) {
        paintCorner();
        return true;
    }

    QWidget* verticalHeading = verticalHeader()->viewport();
    QWidget* horizontalHeading = horizontalHeader()->viewport();
    if (watched != verticalHeading && watched != horizontalHeading)
        return QTableWidget::eventFilter(watched, event);

    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove)
        return QTableWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == verticalHeading) {
        m_mouseCol = 0;
    } else {
        const int section = horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
        m_mouseCol = section >= 0 ? section + m_fixedCols : GetCols() - 1;
    }
    if (event->type() == QEvent::MouseMove)
        return false;

    // A left press selects the heading's row or column first; MouseDown then
    // follows from headingPressed.
    auto* source = static_cast<QWidget*>(watched);
    if (mouse->button() == Qt::LeftButton) {
        const QPoint at = source->mapTo(this, mouse->position().toPoint());
        m_pendingPress = {true, 1, shiftState(mouse->modifiers()), PixelsToTwipsX(at.x()), PixelsToTwipsY(at.y())};
        setFocus(Qt::MouseFocusReason);
        return false;
    }
    raiseMouseDown(mouse, source);
    return true;
}

void CMSFlexGrid::paintCorner()
{
    QPainter painter(m_corner);
    QStyleOptionHeader option;
    option.initFrom(m_corner);
    option.state |= QStyle::State_Enabled | QStyle::State_Raised;
    option.state &= ~QStyle::State_MouseOver;
    option.rect = m_corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = m_cornerText;
    option.textAlignment = alignmentOf(0);
    option.palette.setCurrentColorGroup(QPalette::Active);
    style()->drawControl(QStyle::CE_Header, &option, &painter, m_corner);
}
