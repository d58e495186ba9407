#pragma once

#include "prompt_dialog.h"

// Asked on every close of the main window, whether anything changed or not.
// IDOK ("Yes") lets the window close; IDCANCEL keeps everything as it was.
class CExitPromptDialog : public CPromptDialog {
    Q_OBJECT
public:
    explicit CExitPromptDialog(QWidget* parent = nullptr);
};
