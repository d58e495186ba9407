#pragma once

#include <QStyledItemDelegate>

class CMSFlexGrid;

// Draws the grid's cells, showing the selection only when the grid's
// HighLight setting says so, and never on the current cell itself.
class FlexGridDelegate : public QStyledItemDelegate {
public:
    explicit FlexGridDelegate(CMSFlexGrid* grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CMSFlexGrid* m_grid;
};
