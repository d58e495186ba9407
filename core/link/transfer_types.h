#pragma once

enum class TransferDirection { Read, Write };

// Why a transfer did not complete, for hosts and exit statuses to act on
// without reading the message shown.
enum class FailureReason {
    None,
    OpenFailed,    // the port could not be opened
    NoAnswer,      // the radio did not answer the wake-up
    ShortReply,    // a reply came short (identification or block)
    NoAck,         // the radio did not acknowledge (ACK after a read, a written block)
    ModelMismatch, // the band does not fit the range the radio reports
    WriteRefused,  // the port would not take the ACK after the identification
    PortLost,      // the port failed under the transfer
};

// How a transfer ended. Failed: a message has been shown. Cancelled: the user
// pressed Cancel. Refused: the user declined the retry or the version prompt.
// A failure, and a refused retry, say why.
struct [[nodiscard]] TransferResult {
    enum End { Completed, Failed, Cancelled, Refused };

    TransferResult(End e, FailureReason r = FailureReason::None) : end(e), reason(r) {}

    End end;
    FailureReason reason;

    friend bool operator==(const TransferResult& a, End b) { return a.end == b; }
    friend bool operator==(const TransferResult&, const TransferResult&) = default;
};
