#include "hex_key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool IsHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool IsHexText(const QString& text)
{
    return std::all_of(text.begin(), text.end(), IsHexDigit);
}

// Keys that do not type a character into a control.
bool IsControlKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return true;
    default:
        return false;
    }
}

// Ctrl with a character key is a command to the control (copy, paste, select
// all...), which types a control character that is not a hex digit.
bool IsCommandCharacter(const QKeyEvent& key)
{
    const bool command = key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    return command && key.key() >= Qt::Key_Space && key.key() <= Qt::Key_ydiaeresis;
}

} // namespace

HexKeyFilter::HexKeyFilter(QWidget* dialog)
    : QObject(dialog), m_dialog(dialog)
{
    qApp->installEventFilter(this);
}

bool HexKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !BelongsToDialog(watched))
        return false;
    return HandleKeyPress(watched, static_cast<const QKeyEvent&>(*event));
}

// The drop-down list of a combo box is a window of its own, so the search
// follows the object tree rather than the widget's window.
bool HexKeyFilter::BelongsToDialog(const QObject* object) const
{
    for (; object; object = object->parent()) {
        if (object == m_dialog)
            return true;
    }
    return false;
}

bool HexKeyFilter::HandleKeyPress(QObject* watched, const QKeyEvent& key)
{
    if (IsCommandCharacter(key))
        return true;
    if (IsControlKey(key.key()) || key.text().isEmpty())
        return false;
    if (!IsHexText(key.text()))
        return true;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const QString upper = key.text().toUpper();
    if (edit && upper != key.text()) {
        edit->insert(upper);
        return true;
    }
    return false;
}
