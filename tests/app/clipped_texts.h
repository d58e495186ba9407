#pragma once

#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

// The labels and drop-down lists under root whose text does not fit the room
// they were given, as "kind: text (needs N, has M)".
inline QStringList ClippedTexts(QWidget& root)
{
    QStringList clipped;
    for (QLabel* label : root.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
        if (needed > room)
            clipped << QStringLiteral("label: %1 (needs %2, has %3)").arg(label->text()).arg(needed).arg(room);
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
