#pragma once

#include <QHash>
#include <QKeyCombination>
#include <QObject>
#include <QPointer>

class QAction;
class QKeyEvent;
class QWidget;

// The main window's accelerators, handled before the focused control sees
// the key: Ctrl+C selects COM1 even in a line edit, which would otherwise
// claim it for copying. Keys pressed in other windows (dialogs, menus, the
// drop-down list of a combo box) are left alone.
class CAcceleratorFilter : public QObject {
    Q_OBJECT
public:
    explicit CAcceleratorFilter(QWidget* window);

    void Add(QKeyCombination key, QAction* action);
    // The key gives action while the focus is in widget, and whatever Add
    // gave it elsewhere.
    void AddInWidget(QKeyCombination key, QAction* action, QWidget* widget);
    QAction* Lookup(QKeyCombination key) const;
    QAction* LookupInWidget(QKeyCombination key) const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* Match(QObject* watched, const QKeyEvent& key) const;

    QWidget* m_window;
    QHash<int, QPointer<QAction>> m_actions;
    QHash<int, QPointer<QAction>> m_widgetActions;
    QPointer<QWidget> m_widget;
};
