#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QWidget>

// The labels, buttons and drop-down lists under root whose text does not fit
// the room they were given, as "kind: text (needs N, has M)".
inline QStringList ClippedTexts(QWidget& root)
{
    QStringList clipped;
    for (QLabel* label : root.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        if (label->wordWrap()) {
            // A wrapped text needs its lines' height at the label's width.
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height())
                clipped << QStringLiteral("wrapped label: %1 (needs height %2, has %3)")
                               .arg(label->text())
                               .arg(needed)
                               .arg(label->height());
            continue;
        }
        // A label for a control shows its shortcut letter underlined, without the &.
        const QString shown = label->buddy() ? QString(label->text()).remove(u'&') : label->text();
        const int needed = label->fontMetrics().horizontalAdvance(shown);
        const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
        if (needed > room)
            clipped << QStringLiteral("label: %1 (needs %2, has %3)").arg(label->text()).arg(needed).arg(room);
    }
    for (QPushButton* button : root.findChildren<QPushButton*>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'));
        if (needed > room)
            clipped << QStringLiteral("button: %1 (needs %2, has %3)").arg(button->text()).arg(needed).arg(room);
    }
    for (QComboBox* combo : root.findChildren<QComboBox*>()) {
        if (!combo->isVisible() || combo->isEditable())
            continue;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        const int room = combo->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                             .width();
        for (int i = 0; i < combo->count(); ++i) {
            const int needed = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
            if (needed > room)
                clipped << QStringLiteral("%1: %2 (needs %3, has %4)")
                               .arg(combo->accessibleName(), combo->itemText(i))
                               .arg(needed)
                               .arg(room);
        }
    }
    return clipped;
}
