#include "grid/flex_grid_style.h"

void FlexGridStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    // The grid has no alternating rows, so its row panel has nothing else to show.
    if (element == PE_PanelItemViewRow)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
