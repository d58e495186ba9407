#pragma once

#include <QString>

class QWidget;

// Asks where a trace of the radio transfers goes, offering hmprog-trace.txt
// in the home folder. Empty when the user cancels.
QString AskTracePath(QWidget* parent);
