#pragma once

#include <QString>

class QWidget;

// The program's message box: caption "Programming Software", one OK button,
// no icon. The text is always the fixed message; detail of this program's
// own (a path, the system's reason) goes below it as informative text.
void ShowMessageBox(QWidget* parent, const QString& text, const QString& detail = QString());
