#pragma once

#include <QString>

class QWidget;

// The program's message box with a "Restore" button beside "Close": true
// when the user chose Restore.
[[nodiscard]] bool OfferRestore(QWidget* parent, const QString& text, const QString& detail);
