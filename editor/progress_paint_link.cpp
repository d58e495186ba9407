#include "editor/progress_paint_link.h"

#include "editor/progress_dialog.h"

WriteResult CProgressPaintLink::Write(std::span<const std::uint8_t> bytes)
{
    const WriteResult written = m_inner.Write(bytes);
    m_dialog.ShowProgressNow();
    return written;
}
