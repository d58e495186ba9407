#pragma once

#include "form/impossible_values.h"
#include "form/write_verify.h"
#include "image/radio_image.h"
#include "link/transfer_types.h"

#include <optional>
#include <vector>

// The transfers of one write, in the order they may run.
enum class WriteStep {
    ReadBefore,     // the read that backs the radio up, or gives the memory its own data is kept from
    ReadForPreview, // the read the user asked for when nothing was known to preview against
    Write,
    Verify,         // the read back after a completed write
    Restore,        // what the radio held before, written back after a write that stopped part way
};

// How one transfer of the sequence ended.
struct WriteStepResult {
    TransferResult result{TransferResult::Failed};
    // A write that stopped with blocks in the radio.
    bool partlyWritten = false;
};

// What a write does around the transfer itself so that what was in the radio
// is never lost.
struct WriteSafetyOptions {
    // Ask before writing values no radio of the model can hold.
    bool checkValues = true;
    // Read the radio first; a backup that cannot be kept then stops the write.
    bool backUp = false;
    // Read the radio first and write the form onto what it holds, so that the
    // bytes the form does not show stay the radio's.
    bool keepRadioData = false;
    // Show what the write changes in the radio as last known, and ask.
    bool preview = false;
    // Read the radio back after the write and compare the blocks written.
    bool verify = false;
};

// The answers to a preview that has nothing to compare the write with.
enum class FirstWriteAnswer { ReadFirst, WriteWithoutPreview, Cancel };

// The last look before blocks go out.
enum class WriteGate { Go, OtherModel, Stop };

// The questions a write asks of the program that runs it; the program shows
// the texts and keeps the files. Every transfer goes through Transfer, on the
// host's port, with the host's progress and prompts.
class WriteSafetyHost {
public:
    virtual ~WriteSafetyHost() = default;

    // Runs one transfer on image: a completed read fills it, a write sends it.
    virtual WriteStepResult Transfer(WriteStep step, TransferDirection direction, RadioImage& image) = 0;
    // The image holds values no radio of its model can hold, the first of
    // them found: true writes it all the same.
    virtual bool AcceptImpossibleValues(const RadioImage& image, const std::vector<ImpossibleValue>& found) = 0;
    // Every read before the write comes here, to be kept where the host keeps
    // its backups (the files are the host's, and so is whether a backup that
    // cannot be kept matters): false stops the write.
    virtual bool KeepBackup(const RadioImage& radio) = 0;
    // What the radio of this model holds as far as the host knows (a read in
    // this session, else its newest backup), to preview against.
    virtual std::optional<RadioImage> LastKnownRadio(const RadioImage& sameModelAs) = 0;
    // The preview has nothing to compare with.
    virtual FirstWriteAnswer AskFirstWrite() = 0;
    // What the radio holds and what is about to go into it: true writes.
    virtual bool ConfirmWrite(const RadioImage& radio, const RadioImage& toWrite) = 0;
    // What this session last read from or wrote into the radio, for the
    // restore; backups do not count, as the radio may be another.
    virtual std::optional<RadioImage> RadioHeld() = 0;
    // Right before the write; radioDataKept: what goes out is the form on
    // the radio's own memory.
    virtual WriteGate BeforeWrite(bool radioDataKept) = 0;
    // The write stopped part way and what the radio held before is known:
    // true writes it back.
    virtual bool OfferRestore() = 0;
};

// How a write ended, for the host to say.
struct WriteSafetyOutcome {
    enum class End {
        Written,         // the write completed; see the verify
        ValuesRefused,   // impossible values not accepted: nothing written
        ReadFailed,      // a read before the write did not complete: nothing written
        NoBackup,        // the backup asked for could not be kept: nothing written
        PreviewDeclined, // the user would not write: nothing written
        OtherModel,      // the radio is of another model: nothing written
        Stopped,         // the host stopped it before the write began
        WriteFailed,     // the write did not complete
    };
    End end = End::WriteFailed;
    // The transfer that ended the sequence (the write, or a read before it);
    // Cancelled for a question the user declined.
    TransferResult result{TransferResult::Cancelled};
    RadioImage written;
    bool radioDataKept = false;
    bool partlyWritten = false;
    // A restore point was there and the host was asked; the restore's result.
    bool restoreOffered = false;
    std::optional<WriteStepResult> restore;
    // The read back, when verify was asked and the write completed.
    std::optional<WriteStepResult> verifyRead;
    std::vector<BlockMismatch> mismatches;

    [[nodiscard]] bool Verified() const
    {
        return verifyRead && verifyRead->result == TransferResult::Completed && mismatches.empty();
    }
};

// Runs one write of file into the radio with the host: the values check, the
// read before (alreadyRead: what the radio holds, read just now), the
// preview, the write, the read back, and the restore offer.
[[nodiscard]] WriteSafetyOutcome WriteSafely(WriteSafetyHost& host, const WriteSafetyOptions& options,
                                             const RadioImage& file, const RadioImage* alreadyRead = nullptr);
