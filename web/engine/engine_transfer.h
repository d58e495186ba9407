#pragma once

#include "web/engine/engine_session.h"

#include "fleet/write_safety_sequence.h"
#include "image/radio_image.h"
#include "link/cable_check_link.h"
#include "link/transfer_types.h"

#include <optional>
#include <string>
#include <vector>

// How a read or write of the radio through the page's port ended.
struct TransferOutcome {
    bool ok = false;
    // The user stopped it: Cancel, or Cancel at the retry or version prompt.
    bool cancelled = false;
    // The messages the transfer showed, one a line; none for a Cancel.
    std::string message;
    // A write that stopped with blocks in the radio.
    bool partlyWritten = false;
    // A write refused because the radio reports a range the form's model does not fit.
    bool otherModel = false;
    std::string warning;
    // A completed read: what the radio holds; a write: what was sent.
    std::optional<RadioImage> image;
    // A write with Verify After Write whose read back completed: "Verified."
    // or "Verify failed" and the blocks.
    std::string verify;
};

// Where a completed read goes: into the form as a new document, or only into
// the outcome (the read-back of Verify After Write and the read before a
// preview), leaving the form, its saved mark and its history as they are.
enum class ReadInto { Form, OutcomeOnly };

// Runs one transfer through the port, host and abort signal the page put in
// Module.hmprogTransfer, on the session's document: a completed read becomes
// the document when into is ReadInto::Form; a write sends the form stored into the image. The port's
// name for the status line is Module.hmprogTransfer.portName.
[[nodiscard]] TransferOutcome RunTransfer(EngineSession& session, TransferDirection direction, ReadInto into);

// One transfer on image through the page's port, host and abort signal, with
// the engine's result; nothing goes into the form.
[[nodiscard]] TransferOutcome RunTransferOn(TransferDirection direction, RadioImage& image, TransferResult& result);

// A write of the form with what keeps the radio's memory safe around it: the
// values check, the preview (against the last known radio, or after a read
// first), the write, the read back. Each transfer goes through the port, host
// and abort signal that Module.hmprogWrite.beginStep puts in
// Module.hmprogTransfer, and each question to Module.hmprogWrite.
[[nodiscard]] TransferOutcome WriteFromPage(EngineSession& session, const WriteSafetyOptions& options);

// How Check Cable through the page's port ended: the two reads compared.
struct CheckOutcome {
    bool agrees = false;
    bool cancelled = false;
    // What the reads showed on the way ("Not receive enough byte"), one a line.
    std::string message;
    // The report for the user, as the command line prints it.
    std::string report;
    std::vector<int> differingBlocks;
    double bytesPerSecond = 0;
    LineCounts counts;
};

// Reads the radio twice through the port, host and abort signal in
// Module.hmprogTransfer and compares the reads; the form is left alone.
[[nodiscard]] CheckOutcome RunCableCheck();
