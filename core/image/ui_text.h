#pragma once

// Marks an English text that the core hands to a host for the user to see.
// The core has no translation of its own: every host passes such a text
// through its translation in the context "hmprog" (the desktop with
// QCoreApplication::translate), and lupdate finds the texts when told
// -tr-function-alias QT_TR_NOOP+=HMPROG_TEXT.
#define HMPROG_TEXT(text) (text)

inline constexpr const char* kUiTextContext = "hmprog";
