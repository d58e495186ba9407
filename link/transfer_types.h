#pragma once

enum class TransferDirection { Read, Write };

// How a transfer ended. Failed: a message has been shown. Cancelled: the user
// pressed Cancel. Refused: the user declined the retry or the version prompt.
enum class TransferResult { Completed, Failed, Cancelled, Refused };
