#pragma once

#include "image/ui_text.h"
#include "link/transfer_status.h"

#include <string>

enum class RetryAnswer { Retry, Cancel };
enum class VersionAnswer { Continue, Cancel };

// What every host asks in AskVersion, with Continue and Cancel.
inline constexpr const char* kVersionQuestion = HMPROG_TEXT("Please select the correct software version.");

// What a transfer needs from the program that runs it: the desktop's progress
// dialog, the command line and the tests each provide one. The transfer runs
// on the caller's thread and calls these at fixed points; the poll counts and
// their order are the transfer's own business, not the host's. Texts are the
// English ones, which the host passes through its translation.
class TransferHost {
public:
    virtual ~TransferHost() = default;

    // Lets the user interface handle the events pending now, so that the
    // window stays alive and a Cancel can be pressed.
    virtual void DispatchOne() = 0;
    // Whether the user has asked to stop. Looked at right after DispatchOne
    // while waking the radio, once each read block is acknowledged, and right
    // before DispatchOne after each written block.
    virtual bool CancelRequested() = 0;
    // Moves the progress position on by steps. The range is ProgressRange()
    // of the direction; ProgressPercentText() gives the text to show.
    virtual void Progress(int steps) = 0;
    // What the transfer is doing now: waiting for the radio, identifying it,
    // which block, done. TransferStatusText() gives the text to show.
    virtual void ShowStatus(const TransferStatus& status) = 0;
    // A modal message with an OK button, text as given.
    virtual void ShowMessage(const std::string& text) = 0;
    // The modal Retry/Cancel prompt with the given text.
    virtual RetryAnswer AskRetry(const std::string& text) = 0;
    // The modal software-version prompt (Continue/Cancel); the radio answered
    // the wake-up with ACK.
    virtual VersionAnswer AskVersion() = 0;
};
