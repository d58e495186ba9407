#pragma once

#include "link/transfer_host.h"

#include <QString>

#include <functional>

// The modal questions and messages of a transfer, supplied by the program
// around the form: the message box, the Retry/Cancel prompt and the
// software-version prompt. One that is not supplied answers Cancel at once,
// so that a form without a shell never waits for a dialog nobody shows.
struct TransferPrompts {
    // The fixed message, and the program's own detail below it.
    std::function<void(const QString& text, const QString& detail)> showMessage;
    std::function<RetryAnswer(const QString& text)> askRetry;
    std::function<VersionAnswer()> askVersion;
};
