#pragma once

#include <QAccessible>
#include <QApplication>
#include <QList>
#include <QStringList>
#include <QTest>
#include <QWidget>

// What a screen reader finds in a window: every control a user can act on
// that it could not announce by name.
inline bool IsInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// A control as a test names it: its object name, else its class.
inline QString DescribeAccessible(QAccessibleInterface& node)
{
    const QObject* object = node.object();
    QString what = object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?");
    if (object && !object->objectName().isEmpty())
        what += u' ' + object->objectName();
    return what + QStringLiteral(" (role 0x%1)").arg(static_cast<int>(node.role()), 0, 16);
}

inline void CollectUnnamed(QAccessibleInterface& node, QStringList& unnamed, int depth = 0)
{
    // Far deeper than any of the program's windows: a cycle would show here.
    constexpr int kMaxDepth = 40;
    if (depth > kMaxDepth) {
        unnamed << QStringLiteral("tree deeper than %1 at %2").arg(kMaxDepth).arg(DescribeAccessible(node));
        return;
    }
    if (IsInteractive(node.role()) && node.text(QAccessible::Name).trimmed().isEmpty())
        unnamed << DescribeAccessible(node);
    for (int i = 0; i < node.childCount(); ++i) {
        if (QAccessibleInterface* child = node.child(i))
            CollectUnnamed(*child, unnamed, depth + 1);
    }
}

// The interactive controls of window, and the window itself, that have no
// accessible name.
inline QStringList UnnamedControls(QWidget& window)
{
    QStringList unnamed;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    if (!root)
        return {QStringLiteral("no accessible interface for the window")};
    if (root->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << QStringLiteral("the window itself");
    CollectUnnamed(*root, unnamed);
    return unnamed;
}

// The visible, enabled controls of window that take focus by Tab.
inline QList<QWidget*> TabStops(QWidget& window)
{
    QList<QWidget*> stops;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() == &window && widget->isVisible() && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
            stops << widget;
    }
    return stops;
}

// Presses Tab in window, as a keyboard user does, until focus comes back to
// where it started, and returns the controls of TabStops it never reached.
inline QStringList NotReachedByTab(QWidget& window)
{
    const QList<QWidget*> stops = TabStops(window);
    QList<QWidget*> reached;
    if (!window.focusWidget() && !stops.isEmpty())
        stops.first()->setFocus(Qt::TabFocusReason);
    QWidget* start = window.focusWidget();
    // A table moves through its cells before Tab leaves it.
    const int maxPresses = 4 * static_cast<int>(stops.size()) + 400;
    for (int i = 0; i < maxPresses && start; ++i) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Tab);
        if (QApplication::focusWidget() == start)
            break;
    }
    QStringList missed;
    for (QWidget* stop : stops) {
        if (!reached.contains(stop))
            missed << QString::fromLatin1(stop->metaObject()->className()) + u' ' + stop->objectName() + u' ' +
                    stop->accessibleName();
    }
    return missed;
}
