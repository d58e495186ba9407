#include "grid/flex_grid_delegate.h"

#include "grid/ms_flex_grid.h"

FlexGridDelegate::FlexGridDelegate(CMSFlexGrid* grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid)
{
}

void FlexGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The current cell shows its focus frame, never the selection colour.
    QStyleOptionViewItem shown = option;
    if (!m_grid->SelectionShown() || index == m_grid->currentIndex())
        shown.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, shown, index);
}
