// Editing the channel grid in place. The grid only shows text; a cell is
// edited by laying one of the three hidden editors over it and giving it the
// focus. Whenever the editor loses the focus, for whatever reason, its value
// is stored into the cell it was opened on and the editor is hidden again;
// there is no way to abandon an edit. Cell moves that follow an Enter are
// queued behind the store.

#include "editor/program_view.h"

#include "editor/cell_commit.h"
#include "editor/form_actions.h"
#include "editor/form_contents.h"

#include "codec/frequency.h"
#include "grid/ms_flex_grid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

namespace {

// Hands every event of the program to the view before it reaches its
// receiver, so that the view sees keys and presses ahead of the controls.
class MessageFilter : public QObject {
public:
    explicit MessageFilter(CProgramView* view)
        : m_view(view)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override { return m_view->PreTranslateMessage(watched, event); }

private:
    CProgramView* m_view;
};

// The items of the option editor for grid columns 5 to 8, in list order.
QStringList optionItems(long col)
{
    switch (col) {
    case kColBusy:
        return {QStringLiteral("Off"), QStringLiteral("Carrier"), QStringLiteral("QT/DQT")};
    case kColPower:
        return {QStringLiteral("High"), QStringLiteral("Low")};
    case kColBandwidth:
        return {QStringLiteral("Wide"), QStringLiteral("Narrow")};
    default:
        return {QStringLiteral("Add"), QStringLiteral("Del")};
    }
}

bool isFrequencyColumn(long col)
{
    return col == kColRxFreq || col == kColTxFreq;
}

bool isToneColumn(long col)
{
    return col == kColRxTone || col == kColTxTone;
}

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isDigit(short character)
{
    return character >= '0' && character <= '9';
}

bool isMouseButtonEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

// Pasting reaches a line edit as a key press too; only typed characters may
// enter a frequency.
bool isPasteKey(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Paste) || key.key() == Qt::Key_Paste ||
           (key.key() == Qt::Key_Insert && (key.modifiers() & Qt::ShiftModifier));
}

// A frequency is typed with digits, decimal points and backspace, whatever
// keys the keyboard layout needs for them.
bool isFrequencyCharacter(const QString& text)
{
    if (text.size() != 1)
        return false;
    const QChar c = text.front();
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char('\b');
}

// The widget a press on a top-level window lands on.
QWidget* widgetUnderPress(QObject* watched, const QMouseEvent& mouse)
{
    if (auto* widget = qobject_cast<QWidget*>(watched))
        return widget;
    auto* window = qobject_cast<QWindow*>(watched);
    if (!window)
        return nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == window)
            return top->childAt(mouse.position().toPoint());
    }
    return nullptr;
}

} // namespace

void CProgramView::connectCellEditing()
{
    connect(m_grid, &CMSFlexGrid::EnterCell, this, &CProgramView::OnEnterCellGrid);
    connect(m_grid, &CMSFlexGrid::KeyPress, this, &CProgramView::OnKeyPressGrid);
    connect(m_grid, &CMSFlexGrid::MouseDown, this, &CProgramView::OnMouseDownGrid);

    // Text reaches the frequency editor only as typed characters.
    m_editCell->setAcceptDrops(false);
    m_editCell->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_editCell->setContextMenuPolicy(Qt::NoContextMenu);

    // A typed tone stays as typed: no completion, and never a new list item.
    m_comboCellTone->setInsertPolicy(QComboBox::NoInsert);
    m_comboCellTone->setCompleter(nullptr);

    m_messageFilter = std::make_unique<MessageFilter>(this);
    qApp->installEventFilter(m_messageFilter.get());
}

// ---- opening an editor

void CProgramView::BeginCellEdit()
{
    CommitOpenEditor();

    const long row = m_grid->GetRow();
    // Editing a channel not in use starts with its receive frequency.
    if (m_grid->GetTextMatrix(row, kColRxFreq).isEmpty())
        m_grid->SetCol(kColRxFreq);
    const long col = m_grid->GetCol();
    const QString text = m_grid->GetTextMatrix(row, col);

    if (isFrequencyColumn(col)) {
        m_editCell->setText(text);
        showEditor(m_editCell, row, col);
        m_editCell->selectAll();
    } else if (isToneColumn(col)) {
        const int index = std::max(m_comboCellTone->findText(text, Qt::MatchStartsWith), 0);
        m_comboCellTone->setCurrentIndex(index);
        // The edit field may still hold text typed into it the last time.
        m_comboCellTone->setEditText(m_comboCellTone->itemText(index));
        showEditor(m_comboCellTone, row, col);
        m_comboCellTone->lineEdit()->selectAll();
    } else if (col >= kColBusy && col < m_grid->GetCols()) {
        m_comboCellOption->clear();
        m_comboCellOption->addItems(optionItems(col));
        m_comboCellOption->setCurrentIndex(m_comboCellOption->findText(text, Qt::MatchStartsWith));
        showEditor(m_comboCellOption, row, col);
    }
}

void CProgramView::OnKeyPressGrid(short* KeyAscii)
{
    const long row = m_grid->GetRow();
    if (m_grid->GetTextMatrix(row, kColRxFreq).isEmpty())
        m_grid->SetCol(kColRxFreq);
    const long col = m_grid->GetCol();
    if (!isFrequencyColumn(col) || !isDigit(*KeyAscii))
        return;

    CommitOpenEditor();
    m_editCell->setText(QString(QChar(*KeyAscii)));
    showEditor(m_editCell, row, col);
    m_editCell->setCursorPosition(1);
}

void CProgramView::OnMouseDownGrid(short Button, short /*Shift*/, long /*x*/, long /*y*/)
{
    if (Button != 1)
        return;
    // A press on the channel numbers picks the channel for Delete and Add.
    if (m_grid->GetMouseCol() == kColNumber) {
        if (m_grid->GetHighLight() != 2)
            m_grid->SetHighLight(2);
        return;
    }
    if (m_grid->GetHighLight() != 0)
        m_grid->SetHighLight(0);
    BeginCellEdit();
}

void CProgramView::OnEnterCellGrid()
{
    const long highLight = m_grid->GetMouseCol() == kColNumber ? 2 : 0;
    if (m_grid->GetHighLight() != highLight)
        m_grid->SetHighLight(highLight);
}

// The editor covers the cell exactly: the cell's corner inside the grid's
// frame, the cell's own width and height.
void CProgramView::showEditor(QWidget* editor, long row, long col)
{
    m_editRow = row;
    m_editCol = col;
    const int frame = m_grid->frameWidth();
    const QPoint gridCorner = m_grid->mapTo(this, QPoint(frame, frame));
    const QPoint cellCorner(m_grid->TwipsToPixelsX(m_grid->GetColPos(col)),
                            m_grid->TwipsToPixelsY(m_grid->GetRowPos(row)));
    const QSize cellSize(m_grid->TwipsToPixelsX(m_grid->GetColWidth(col)),
                         m_grid->TwipsToPixelsY(m_grid->GetRowHeight(row)));
    editor->setGeometry(QRect(gridCorner + cellCorner, cellSize));
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

// ---- storing the value

void CProgramView::OnKillFocusCellEdit()
{
    if (m_editCell->isHidden() || m_bCommitting)
        return;
    m_bCommitting = true;
    const long row = m_editRow;
    const bool inUse = !m_grid->GetTextMatrix(row, kColRxFreq).isEmpty();
    const QString text = CommittedFrequencyText(m_editCell->text(), g_bandLow, g_bandHigh);

    if (m_editCol == kColRxFreq) {
        if (text.isEmpty()) {
            ClearChannelRow(*m_controls, row);
        } else if (!inUse) {
            const ChannelCells cells = NewChannelCells(text);
            for (std::size_t i = 0; i < cells.size(); ++i)
                m_grid->SetTextMatrix(row, kColRxFreq + static_cast<long>(i), cells[i]);
        } else {
            // The transmit frequency stays as it is.
            m_grid->SetTextMatrix(row, kColRxFreq, text);
        }
    } else {
        // No transmit frequency without a receive frequency.
        m_grid->SetTextMatrix(row, kColTxFreq, inUse ? text : QString());
    }
    closeEditor(m_editCell);
    m_bCommitting = false;
}

void CProgramView::OnKillFocusCellTone()
{
    if (m_comboCellTone->isHidden() || m_bCommitting)
        return;
    m_bCommitting = true;
    const QString text = m_comboCellTone->currentText();
    if (m_grid->GetTextMatrix(m_editRow, kColRxFreq).isEmpty())
        m_grid->SetTextMatrix(m_editRow, m_editCol, QString());
    else if (IsStorableToneText(text))
        m_grid->SetTextMatrix(m_editRow, m_editCol, text);
    // Any other text is dropped: the cell keeps the tone it showed.
    closeEditor(m_comboCellTone);
    m_bCommitting = false;
}

void CProgramView::OnKillFocusCellOption()
{
    if (m_comboCellOption->isHidden() || m_bCommitting)
        return;
    m_bCommitting = true;
    const bool inUse = !m_grid->GetTextMatrix(m_editRow, kColRxFreq).isEmpty();
    m_grid->SetTextMatrix(m_editRow, m_editCol, inUse ? m_comboCellOption->currentText() : QString());
    closeEditor(m_comboCellOption);
    m_bCommitting = false;
}

void CProgramView::CommitOpenEditor()
{
    OnKillFocusCellEdit();
    OnKillFocusCellTone();
    OnKillFocusCellOption();
}

// A hidden control keeps no focus: the grid takes it, rather than the next
// control of the tab order.
void CProgramView::closeEditor(QWidget* editor)
{
    if (editor->hasFocus() || window()->focusWidget() == editor)
        m_grid->setFocus(Qt::OtherFocusReason);
    editor->hide();
}

// ---- keys and presses ahead of the controls

bool CProgramView::PreTranslateMessage(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();

    if (type == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == m_grid)
            return filterGridKey(key);
        if (watched == m_editCell || watched == m_comboCellTone || watched == m_comboCellOption) {
            if (filterEditorKey(static_cast<QWidget*>(watched), key))
                return true;
        }
    }

    if (type == QEvent::FocusOut) {
        // Opening a drop-down list or a menu takes the focus only for a
        // while: the editor stays open.
        const auto& focus = static_cast<const QFocusEvent&>(*event);
        if (focus.reason() == Qt::PopupFocusReason)
            return false;
        if (watched == m_editCell)
            OnKillFocusCellEdit();
        else if (watched == m_comboCellTone && !m_comboCellTone->view()->isVisible())
            OnKillFocusCellTone();
        else if (watched == m_comboCellOption && !m_comboCellOption->view()->isVisible())
            OnKillFocusCellOption();
        return false;
    }

    // A right press on an edit field of the form does nothing at all: no
    // menu, no focus change.
    if (isMouseButtonEvent(type) || type == QEvent::ContextMenu) {
        QWidget* target = nullptr;
        if (type == QEvent::ContextMenu) {
            target = qobject_cast<QWidget*>(watched);
        } else if (static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton) {
            target = widgetUnderPress(watched, static_cast<const QMouseEvent&>(*event));
        }
        if (target && qobject_cast<QLineEdit*>(target) && isAncestorOf(target))
            return true;
    }

    if (type == QEvent::Wheel) {
        // The grid never scrolls by the wheel itself; the form pages it.
        if (watched == m_grid->viewport() || watched == m_grid->horizontalHeader()->viewport() ||
            watched == m_grid->verticalHeader()->viewport()) {
            event->ignore();
            return true;
        }
        if (watched == this)
            OnMouseWheel(static_cast<QWheelEvent*>(event));
        return false;
    }

    if (watched == m_editCell)
        return filterFrequencyEditor(event);
    return false;
}

bool CProgramView::filterGridKey(const QKeyEvent& key)
{
    const long row = m_grid->GetRow();
    const long col = m_grid->GetCol();
    const long rows = m_grid->GetRows();
    const long cols = m_grid->GetCols();

    switch (key.key()) {
    case Qt::Key_Right:
        // From the last column on to the first column of the next channel.
        if (col == cols - 1 && row < rows - 1) {
            postKey(Qt::Key_Home);
            postKey(Qt::Key_Down);
        }
        return false;
    case Qt::Key_Left:
        if (col == 1 && row > 1) {
            postKey(Qt::Key_End);
            postKey(Qt::Key_Up);
        }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        BeginCellEdit();
        return true;
    default:
        return false;
    }
}

// Enter stores the value and moves on to the next cell, or down when the
// frequency was erased. The key goes no further: the editors would otherwise
// act on it themselves (the tone list would take a typed tone as a new item).
bool CProgramView::filterEditorKey(QWidget* editor, const QKeyEvent& key)
{
    if (!isEnterKey(key.key()))
        return false;
    const bool erased = editor == m_editCell && m_editCell->text().isEmpty();
    m_grid->setFocus(Qt::OtherFocusReason);
    // Without an active window no focus event is sent: store here instead.
    CommitOpenEditor();
    postKey(erased ? Qt::Key_Down : Qt::Key_Right);
    return true;
}

// Only typed digits, decimal points and backspace reach the frequency
// editor; keys that type nothing (the cursor keys, Delete, Tab) pass.
bool CProgramView::filterFrequencyEditor(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (isPasteKey(key))
            return true;
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.text().isEmpty())
            return false;
        return !isFrequencyCharacter(key.text());
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // The middle button pastes the selection.
        return static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        event->ignore();
        return true;
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

// The key reaches the grid once the events before it have been handled, the
// store among them, and only if the grid still has the focus then.
void CProgramView::postKey(int key)
{
    QMetaObject::invokeMethod(
        this,
        [this, key] {
            if (window()->focusWidget() != m_grid)
                return;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(m_grid, &press);
        },
        Qt::QueuedConnection);
}

// The wheel pages the focused grid one notch at a time; finer steps and
// other controls' wheels page nothing. The wheel goes on to the window
// around the form either way.
void CProgramView::OnMouseWheel(QWheelEvent* event)
{
    if (!m_grid->hasFocus())
        return;
    const int delta = event->angleDelta().y();
    if (delta == -120)
        m_grid->PageDown();
    else if (delta == 120)
        m_grid->PageUp();
}
