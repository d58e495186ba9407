#pragma once

#include <QIcon>

// The program's own pictures, drawn rather than shipped as bitmaps: the
// application icon and the 18 x 18 toolbar images.
QIcon AppIcon();

enum class ToolbarImage { New, Open, Save, Undo, Redo, Read, Write, Print, About };
QIcon ToolbarIcon(ToolbarImage image);
