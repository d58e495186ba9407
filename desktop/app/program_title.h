#pragma once

#include <QString>
#include <QtGlobal>

// The program's name as it stands in the caption of its main window and of
// every message box, and as the creator of its PDFs; untranslated, it is also
// the application name that its settings are kept under.
inline constexpr const char* kProgramName = QT_TRANSLATE_NOOP("MessageBox", "Programming Software");

// The name in the user's language.
[[nodiscard]] QString ProgramTitle();
