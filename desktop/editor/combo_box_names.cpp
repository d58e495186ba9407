#include "editor/combo_box_names.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

// A combo box as a screen reader sees it: named by its label, valued by its
// item or typed text, opened by its press or menu action. Its line edit, if
// it has one, is its child.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return combo()->currentText();
        // The accessible name, else the label whose buddy it is.
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == showMenuAction() || actionName == pressAction()) {
            if (combo()->view()->isVisible())
                combo()->hidePopup();
            else
                combo()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* dropDownListFactory(const QString& className, QObject* object)
{
    // Asked while the box is still being built, before it has its name: the
    // name is looked up each time it is read.
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    return new ComboBoxAccessible(static_cast<QComboBox*>(object));
}

} // namespace

void InstallComboBoxNames()
{
    static const bool installed = [] {
        QAccessible::installFactory(&dropDownListFactory);
        return true;
    }();
    (void)installed;
}
