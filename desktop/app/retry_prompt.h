#pragma once

#include <QString>

class QWidget;

// The program's one question with Retry and Cancel: the radio did not answer.
// Caption "Programming Software", no icon. Returns IDRETRY or IDCANCEL; Esc
// and the close box are Cancel.
[[nodiscard]] int RunRetryPrompt(QWidget* parent, const QString& text);
