#pragma once

#include <QString>

class QWidget;

enum class SaveChangesAnswer { Save, Discard, Cancel };

// "Save changes to NAME?" with Save, Discard and Cancel, asked before the
// form's changes would be replaced. Esc and the close box are Cancel.
[[nodiscard]] SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& name);
