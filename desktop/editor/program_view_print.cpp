// Printing the channel list: one page with the texts the grid shows now.

#include "editor/program_view.h"

#include "editor/channel_list_print.h"

#include "grid/ms_flex_grid.h"

#include <QPagedPaintDevice>
#include <QPainter>

void CProgramView::OnPrint(QPainter& painter, const QRect& drawRect, int dpiX, int dpiY)
{
    DrawChannelList(painter, drawRect, dpiX, dpiY,
                    [this](int row, int col) { return m_grid->GetTextMatrix(row, col); });
}

// The draw rectangle is the printable area in device pixels, where the
// painter's origin is.
bool CProgramView::PrintPage(QPagedPaintDevice& device)
{
    // A value typed into an open editor is part of what the grid shows.
    CommitOpenEditor();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Paper: black on white, whatever colours the screen's theme has.
    painter.setPen(Qt::black);
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    const QRect drawRect(QPoint(0, 0), device.pageLayout().paintRectPixels(dpiX).size());
    OnPrint(painter, drawRect, dpiX, dpiY);
    return painter.end();
}
