// The grid's keyboard and mouse: cursor keys move the current cell, typed
// characters and presses are reported to the form, headings pick rows.

#include "grid/ms_flex_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

namespace {

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
