#pragma once

#include "fleet/write_safety_sequence.h"
#include "image/radio_image.h"
#include "link/transfer_host.h"

#include <QString>

#include <functional>

// The modal questions and messages of a transfer, supplied by the program
// around the form: the message box, the Retry/Cancel prompt, the
// software-version prompt, the write preview and the restore offer. One that
// is not supplied answers Cancel at once, so that a form without a shell
// never waits for a dialog nobody shows.
struct TransferPrompts {
    // The fixed message, and the program's own detail below it.
    std::function<void(const QString& text, const QString& detail)> showMessage;
    std::function<RetryAnswer(const QString& text)> askRetry;
    std::function<VersionAnswer()> askVersion;
    // Before a write of an image that holds values no radio of its model can
    // hold; true writes.
    std::function<bool(const RadioImage& toWrite)> confirmValues;
    // Before a write: what the radio holds (as far as the program knows) and
    // what is about to go into it; true writes.
    std::function<bool(const RadioImage& radio, const RadioImage& toWrite)> confirmWrite;
    // Before a write with the preview on, when nothing of the radio was read
    // in this session and no backup of its model is kept.
    std::function<FirstWriteAnswer()> askFirstWrite;
    // A message that offers to write a backup back into the radio; true
    // restores. Not supplied: the message is shown without the offer.
    std::function<bool(const QString& text, const QString& detail)> offerRestore;
};
