#include "accelerator_filter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

QKeyCombination Combination(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers()
        & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return QKeyCombination(modifiers, Qt::Key(key.key()));
}

} // namespace

CAcceleratorFilter::CAcceleratorFilter(QWidget* window)
    : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

void CAcceleratorFilter::Add(QKeyCombination key, QAction* action)
{
    m_actions.insert(key.toCombined(), action);
}

void CAcceleratorFilter::AddInWidget(QKeyCombination key, QAction* action, QWidget* widget)
{
    m_widget = widget;
    m_widgetActions.insert(key.toCombined(), action);
}

QAction* CAcceleratorFilter::Lookup(QKeyCombination key) const
{
    return m_actions.value(key.toCombined());
}

QAction* CAcceleratorFilter::LookupInWidget(QKeyCombination key) const
{
    return m_widgetActions.value(key.toCombined());
}

bool CAcceleratorFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<QKeyEvent&>(*event);
    QAction* action = Match(watched, key);
    if (!action)
        return false;
    // Claiming the override makes the key arrive as a key press, which is
    // then taken here, before the focused control.
    event->accept();
    if (type == QEvent::KeyPress && action->isEnabled())
        action->trigger();
    return true;
}

QAction* CAcceleratorFilter::Match(QObject* watched, const QKeyEvent& key) const
{
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != m_window)
        return nullptr;
    const bool inWidget = m_widget && (widget == m_widget || m_widget->isAncestorOf(widget));
    if (QAction* action = inWidget ? LookupInWidget(Combination(key)) : nullptr)
        return action;
    return Lookup(Combination(key));
}
