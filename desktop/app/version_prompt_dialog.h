#pragma once

#include "prompt_dialog.h"

// Asked when the radio answers the wake-up with ACK instead of SYN: the
// radio expects another software version. IDOK ("Continue") wakes it up
// again; IDCANCEL ends the transfer.
class CVersionPromptDialog : public CPromptDialog {
    Q_OBJECT
public:
    explicit CVersionPromptDialog(QWidget* parent = nullptr);
};

// Shows the version question modally over parent (the main window) and
// returns IDOK or IDCANCEL.
[[nodiscard]] int RunVersionPrompt(QWidget* parent);
