#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;
class QString;

// The button row of a dialog that only reports: one Close button, named for
// screen readers and taking Enter, that rejects the dialog. The caller passes
// its own translation of "Close".
[[nodiscard]] QDialogButtonBox* MakeCloseButtons(QDialog& dialog, const QString& closeText, QPushButton*& close);
