#include "editor/progress_paint_link.h"

#include "editor/progress_dialog.h"

// The answer collects in the port's buffer while the dialog paints; the read
// takes it from there.
ReadResult CProgressPaintLink::Read(std::size_t n)
{
    m_dialog.ShowProgressNow();
    return m_inner.Read(n);
}
