#include "fleet/write_safety_sequence.h"

#include "fleet/radio_data.h"
#include "image/image_layout.h"

namespace {

using End = WriteSafetyOutcome::End;

bool sameModel(const RadioImage& a, const RadioImage& b)
{
    return a.byte(layout::kModel) == b.byte(layout::kModel);
}

// One write and what it learns on the way: the radio as read before it.
class Sequence {
public:
    Sequence(WriteSafetyHost& host, const WriteSafetyOptions& options) : m_host(host), m_options(options) {}

    WriteSafetyOutcome Run(const RadioImage& file, const RadioImage* alreadyRead);

private:
    [[nodiscard]] bool stop(End end, TransferResult result = TransferResult::Cancelled)
    {
        m_outcome.end = end;
        m_outcome.result = result;
        return false;
    }
    [[nodiscard]] bool valuesAccepted(const RadioImage& file);
    [[nodiscard]] bool readBefore(WriteStep step, const RadioImage* alreadyRead);
    [[nodiscard]] bool previewAccepted();
    [[nodiscard]] bool mayWrite();
    void write();
    void offerRestore(const RadioImage& restorePoint);
    void verify();

    WriteSafetyHost& m_host;
    const WriteSafetyOptions& m_options;
    WriteSafetyOutcome m_outcome;
    std::optional<RadioImage> m_before;
};

WriteSafetyOutcome Sequence::Run(const RadioImage& file, const RadioImage* alreadyRead)
{
    m_outcome.written = file;
    const bool readsFirst = alreadyRead || m_options.backUp || m_options.keepRadioData;
    if (!valuesAccepted(file) || (readsFirst && !readBefore(WriteStep::ReadBefore, alreadyRead)))
        return m_outcome;
    if (m_options.keepRadioData) {
        m_outcome.written = FileFormOntoRadio(file, *m_before);
        m_outcome.radioDataKept = true;
    }
    if ((m_options.preview && !previewAccepted()) || !mayWrite())
        return m_outcome;
    write();
    if (m_outcome.end == End::Written && m_options.verify)
        verify();
    return m_outcome;
}

bool Sequence::valuesAccepted(const RadioImage& file)
{
    if (!m_options.checkValues)
        return true;
    const std::vector<ImpossibleValue> found = FindImpossibleValues(file);
    return found.empty() || m_host.AcceptImpossibleValues(file, found) || stop(End::ValuesRefused);
}

// Every read before the write is a backup: once blocks have gone out, the
// radio no longer holds it.
bool Sequence::readBefore(WriteStep step, const RadioImage* alreadyRead)
{
    RadioImage radio;
    if (alreadyRead) {
        radio = *alreadyRead;
    } else {
        const WriteStepResult read = m_host.Transfer(step, TransferDirection::Read, radio);
        if (read.result != TransferResult::Completed)
            return stop(End::ReadFailed, read.result);
    }
    m_before = radio;
    return m_host.KeepBackup(radio) || stop(End::NoBackup, TransferResult::Failed);
}

// Against the radio just read, else what the host last knew of one of the
// model; with neither, the user chooses to read first, to write unseen or
// not to write.
bool Sequence::previewAccepted()
{
    const RadioImage& toWrite = m_outcome.written;
    std::optional<RadioImage> radio =
        m_before && sameModel(*m_before, toWrite) ? m_before : m_host.LastKnownRadio(toWrite);
    if (!radio) {
        switch (m_host.AskFirstWrite()) {
        case FirstWriteAnswer::Cancel:
            return stop(End::PreviewDeclined);
        case FirstWriteAnswer::WriteWithoutPreview:
            return true;
        case FirstWriteAnswer::ReadFirst:
            break;
        }
        if (!readBefore(WriteStep::ReadForPreview, nullptr))
            return false;
        radio = m_before;
    }
    return m_host.ConfirmWrite(*radio, toWrite) || stop(End::PreviewDeclined);
}

bool Sequence::mayWrite()
{
    switch (m_host.BeforeWrite(m_outcome.radioDataKept)) {
    case WriteGate::Go:
        return true;
    case WriteGate::OtherModel:
        return stop(End::OtherModel, {TransferResult::Failed, FailureReason::ModelMismatch});
    case WriteGate::Stop:
        break;
    }
    return stop(End::Stopped);
}

// The restore point is taken before the write: the radio as read by this
// write, else as this session last saw it, and only of the model written.
void Sequence::write()
{
    std::optional<RadioImage> restorePoint = m_before ? m_before : m_host.RadioHeld();
    if (restorePoint && !sameModel(*restorePoint, m_outcome.written))
        restorePoint.reset();
    RadioImage sent = m_outcome.written;
    const WriteStepResult write = m_host.Transfer(WriteStep::Write, TransferDirection::Write, sent);
    m_outcome.result = write.result;
    m_outcome.partlyWritten = write.partlyWritten;
    if (write.result == TransferResult::Completed) {
        m_outcome.end = End::Written;
        return;
    }
    m_outcome.end = write.result.reason == FailureReason::ModelMismatch ? End::OtherModel : End::WriteFailed;
    if (write.partlyWritten && restorePoint)
        offerRestore(*restorePoint);
}

void Sequence::offerRestore(const RadioImage& restorePoint)
{
    m_outcome.restoreOffered = true;
    if (!m_host.OfferRestore())
        return;
    RadioImage backup = restorePoint;
    m_outcome.restore = m_host.Transfer(WriteStep::Restore, TransferDirection::Write, backup);
}

// Into a scratch image: what was written stays the outcome's.
void Sequence::verify()
{
    RadioImage readBack;
    m_outcome.verifyRead = m_host.Transfer(WriteStep::Verify, TransferDirection::Read, readBack);
    if (m_outcome.verifyRead->result == TransferResult::Completed)
        m_outcome.mismatches = VerifyWrittenBlocks(m_outcome.written, readBack);
}

} // namespace

WriteSafetyOutcome WriteSafely(WriteSafetyHost& host, const WriteSafetyOptions& options, const RadioImage& file,
                               const RadioImage* alreadyRead)
{
    return Sequence(host, options).Run(file, alreadyRead);
}
