// Keys, presses and the wheel, seen by the form before its controls see
// them: Enter opens and closes the editors, the arrow keys wrap between
// channels, the frequency editor takes only typed digits and points, right
// presses in edit fields do nothing. Cell moves that follow an Enter are
// queued behind the store that the Enter causes.

#include "editor/program_view.h"

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

// Hands the events of the form's editors, the grid and the form itself to
// the view before their receivers see them.
class EditorFilter : public QObject {
public:
    explicit EditorFilter(CProgramView* view)
        : m_view(view)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override { return m_view->PreTranslateMessage(watched, event); }

private:
    CProgramView* m_view;
};

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Pasting reaches a line edit as a key press too; only typed characters may
// enter a frequency.
bool isPasteKey(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Paste) || key.key() == Qt::Key_Paste ||
           (key.key() == Qt::Key_Insert && (key.modifiers() & Qt::ShiftModifier));
}

// A frequency is typed with digits, decimal points and backspace, whatever
// keys the keyboard layout needs for them. A comma is a decimal point too:
// the keypad types one where that is the decimal separator.
bool isFrequencyCharacter(const QString& text)
{
    if (text.size() != 1)
        return false;
    const QChar c = text.front();
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char(',') ||
           c == QLatin1Char('\b');
}

// Keys that move the caret or delete, and type nothing into the text; some
// systems give Delete the text DEL (0x7F) all the same.
bool typesNothing(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete ||
           key.text().isEmpty();
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

    m_messageFilter = std::make_unique<EditorFilter>(this);
    QObject* const watched[] = {
        this, m_grid, m_grid->viewport(), m_grid->horizontalHeader()->viewport(),
        m_grid->verticalHeader()->viewport(), m_editCell, m_comboCellTone, m_comboCellTone->lineEdit(),
        m_comboCellTone->view(), m_comboCellOption, m_comboCellOption->view(), m_editPttIdCode,
    };
    for (QObject* object : watched)
        object->installEventFilter(m_messageFilter.get());
}

// A press reaches the window before any control in it, and the control it
// lands on takes the focus before its own filters see the press: the window
// the form is shown in is watched for right presses too.
void CProgramView::watchFormWindow()
{
    if (QWindow* handle = window()->windowHandle())
        handle->installEventFilter(m_messageFilter.get());
}

bool CProgramView::PreTranslateMessage(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKeyPress(watched, *event);
    case QEvent::FocusOut:
        filterFocusOut(watched, static_cast<const QFocusEvent&>(*event));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
        if (isRightPressOnEditField(watched, *event))
            return true;
        break;
    case QEvent::Wheel:
        return filterWheel(watched, static_cast<QWheelEvent&>(*event));
    case QEvent::Show:
        if (watched == this)
            watchFormWindow();
        return false;
    default:
        break;
    }
    return watched == m_editCell && filterFrequencyEditor(event);
}

bool CProgramView::filterKeyPress(QObject* watched, QEvent& event)
{
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (watched == m_grid)
        return filterGridKey(key);
    if (watched == m_editCell || watched == m_comboCellTone || watched == m_comboCellOption) {
        if (filterEditorKey(static_cast<QWidget*>(watched), key))
            return true;
    }
    if (watched == m_comboCellTone->view())
        return filterListKey(m_comboCellTone, key);
    if (watched == m_comboCellOption->view())
        return filterListKey(m_comboCellOption, key);
    return watched == m_editCell && filterFrequencyEditor(&event);
}

void CProgramView::filterFocusOut(QObject* watched, const QFocusEvent& focus)
{
    // Opening a drop-down list or a menu takes the focus only for a while:
    // the editor stays open.
    if (focus.reason() == Qt::PopupFocusReason)
        return;
    if (watched == m_editCell)
        OnKillFocusCellEdit();
    else if (watched == m_comboCellTone && !m_comboCellTone->view()->isVisible())
        OnKillFocusCellTone();
    else if (watched == m_comboCellOption && !m_comboCellOption->view()->isVisible())
        OnKillFocusCellOption();
}

// A right press on an edit field of the form does nothing at all: no menu,
// no focus change.
bool CProgramView::isRightPressOnEditField(QObject* watched, const QEvent& event) const
{
    QWidget* target = nullptr;
    if (event.type() == QEvent::ContextMenu) {
        target = qobject_cast<QWidget*>(watched);
    } else if (static_cast<const QMouseEvent&>(event).button() == Qt::RightButton) {
        target = widgetUnderPress(watched, static_cast<const QMouseEvent&>(event));
    }
    return target && qobject_cast<QLineEdit*>(target) && isAncestorOf(target);
}

// The grid never scrolls by the wheel itself; the form pages it.
bool CProgramView::filterWheel(QObject* watched, QWheelEvent& wheel)
{
    if (watched == m_grid->viewport() || watched == m_grid->horizontalHeader()->viewport() ||
        watched == m_grid->verticalHeader()->viewport()) {
        wheel.ignore();
        return true;
    }
    if (watched == this)
        OnMouseWheel(&wheel);
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

// Enter in a dropped-down list takes the highlighted item and goes on as
// Enter in the editor does: one Enter stores the choice and moves on.
bool CProgramView::filterListKey(QComboBox* editor, const QKeyEvent& key)
{
    if (!isEnterKey(key.key()) || editor->isHidden())
        return false;
    const QModelIndex highlighted = editor->view()->currentIndex();
    if (highlighted.isValid())
        editor->setCurrentIndex(highlighted.row());
    editor->hidePopup();
    return filterEditorKey(editor, key);
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
        if (typesNothing(key))
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
