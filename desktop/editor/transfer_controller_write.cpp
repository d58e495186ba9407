// What the program does around a transfer so that what was in a radio is
// never lost: every read is kept as a backup; a write may be preceded by a
// read kept as a backup and by a list of what it changes, followed by a read
// back that checks it, and a write that left the radio half written offers to
// write back what the radio held before. The steps are the core's write
// sequence; the form answers its questions and says how it ended.

#include "editor/transfer_controller.h"

#include "editor/program_view.h"
#include "editor/progress_dialog.h"
#include "editor/write_option_names.h"

#include "document/backup_folder.h"
#include "document/channel_file.h"
#include "document/core_text.h"
#include "document/display_path.h"
#include "document/program_doc.h"
#include "image/image_layout.h"
#include "link/partial_write.h"
#include "link/progress_text.h"

#include <QElapsedTimer>

TransferResult CTransferController::readRadio()
{
    RadioImage& image = m_view.GetDocument()->m_image;
    const TransferResult result = run(TransferDirection::Read, image).result;
    if (result == TransferResult::Completed)
        rememberRead(image);
    return result;
}

void CTransferController::rememberRead(const RadioImage& image)
{
    m_radioHolds = image;
    keepBackup(image);
}

// A backup that cannot be kept is said, but the read has completed all the
// same: the form holds what the radio holds.
void CTransferController::keepBackup(const RadioImage& image)
{
    if (!m_keepBackups)
        return;
    const KeptBackup kept = ::KeepBackup(image);
    if (kept.ok())
        m_statusAfterTransfer = CProgramView::tr("A backup of the radio is kept in %1").arg(DisplayPath(kept.path));
    else
        m_statusAfterTransfer = CProgramView::tr("No backup of this read could be kept: %1").arg(kept.failure);
}

std::optional<RadioImage> CTransferController::LastKnownRadio(const RadioImage& sameModelAs)
{
    const std::uint8_t model = sameModelAs.byte(layout::kModel);
    if (m_radioHolds && m_radioHolds->byte(layout::kModel) == model)
        return m_radioHolds;
    // A form that keeps no backups does not look into the folder either.
    if (!m_keepBackups)
        return std::nullopt;
    for (const QString& path : ListBackups()) {
        RadioImage backup;
        if (LoadChannelFile(path, backup).ok() && backup.byte(layout::kModel) == model)
            return backup;
    }
    return std::nullopt;
}

TransferResult CTransferController::writeRadio()
{
    const WriteSafetyOptions options{.backUp = m_safety.backUpBeforeWrite,
                                     .preview = m_safety.previewBeforeWrite,
                                     .verify = m_safety.verifyAfterWrite};
    const WriteSafetyOutcome outcome = WriteSafely(*this, options, m_view.GetDocument()->m_image);
    report(outcome);
    return outcome.result;
}

// Each transfer after the first goes on in the same dialog under its own caption.
WriteStepResult CTransferController::Transfer(WriteStep step, TransferDirection direction, RadioImage& image)
{
    switch (step) {
    case WriteStep::ReadBefore:
        return readBeforeWrite(WriteOptionName(kBackUpBeforeWrite), image);
    case WriteStep::ReadForPreview:
        return readBeforeWrite(CProgramView::tr("Read Before Write"), image);
    case WriteStep::Write:
        return write(image);
    case WriteStep::Verify:
        m_dialog.BeginNextTransfer(WriteOptionName(kVerifyAfterWrite), ProgressRange(direction));
        return run(direction, image);
    case WriteStep::Restore:
        break;
    }
    return restore(image);
}

// A read of the radio under the write's OK; the dialog then goes on with the write.
WriteStepResult CTransferController::readBeforeWrite(const QString& caption, RadioImage& radio)
{
    m_dialog.BeginNextTransfer(caption, ProgressRange(TransferDirection::Read));
    const WriteStepResult read = run(TransferDirection::Read, radio);
    m_dialog.BeginNextTransfer(m_dialog.m_strTitle, ProgressRange(TransferDirection::Write));
    return read;
}

WriteStepResult CTransferController::write(RadioImage& image)
{
    const RadioImage sent = image;
    QElapsedTimer taken;
    taken.start();
    const WriteStepResult written = run(TransferDirection::Write, image);
    if (written.result == TransferResult::Completed) {
        m_radioHolds = sent;
        sayWritten(taken.elapsed());
    }
    return written;
}

WriteStepResult CTransferController::restore(RadioImage& image)
{
    m_dialog.BeginNextTransfer(CProgramView::tr("Restore"), ProgressRange(TransferDirection::Write));
    const RadioImage restorePoint = image;
    const WriteStepResult restored = run(TransferDirection::Write, image);
    if (restored.result == TransferResult::Completed) {
        m_radioHolds = restorePoint;
        m_statusAfterTransfer = CProgramView::tr("The radio holds again what it held before the write.");
    }
    return restored;
}

// A write that ends without a word leaves the user wondering whether it
// happened; a backup kept on the way is said after it.
void CTransferController::sayWritten(qint64 milliseconds)
{
    const QString written =
        CProgramView::tr("Written. (%1 s)").arg(static_cast<double>(milliseconds) / 1000.0, 0, 'f', 1);
    m_statusAfterTransfer = m_statusAfterTransfer.isEmpty() ? written : written + u' ' + m_statusAfterTransfer;
}

bool CTransferController::AcceptImpossibleValues(const RadioImage& image, const std::vector<ImpossibleValue>&)
{
    return m_prompts.confirmValues && m_prompts.confirmValues(image);
}

// Every read under the write is what the radio holds, kept as any read is.
bool CTransferController::KeepBackup(const RadioImage& radio)
{
    rememberRead(radio);
    return true;
}

FirstWriteAnswer CTransferController::AskFirstWrite()
{
    return m_prompts.askFirstWrite ? m_prompts.askFirstWrite() : FirstWriteAnswer::Cancel;
}

bool CTransferController::ConfirmWrite(const RadioImage& radio, const RadioImage& toWrite)
{
    return m_prompts.confirmWrite && m_prompts.confirmWrite(radio, toWrite);
}

// Without a restore offer the warning is said alone.
bool CTransferController::OfferRestore()
{
    const QString warning = CoreText(PartlyWrittenWarning());
    if (!m_prompts.offerRestore) {
        if (m_prompts.showMessage)
            m_prompts.showMessage(warning, QString());
        return false;
    }
    return m_prompts.offerRestore(
        warning, CProgramView::tr("What the radio held before this write can be written back into it: press Restore."));
}

void CTransferController::report(const WriteSafetyOutcome& outcome)
{
    if (!m_prompts.showMessage)
        return;
    const bool leftPartlyWritten =
        (outcome.partlyWritten && !outcome.restoreOffered) ||
        (outcome.restore && outcome.restore->result != TransferResult::Completed && outcome.restore->partlyWritten);
    if (leftPartlyWritten)
        m_prompts.showMessage(CoreText(PartlyWrittenWarning()), QString());
    if (outcome.verifyRead)
        reportVerify(outcome);
}

void CTransferController::reportVerify(const WriteSafetyOutcome& outcome)
{
    if (outcome.verifyRead->result != TransferResult::Completed) {
        m_prompts.showMessage(CProgramView::tr("The write was not verified: the radio could not be read back."),
                              QString());
        return;
    }
    if (outcome.mismatches.empty()) {
        m_prompts.showMessage(CoreText(kVerifiedText), QString());
        return;
    }
    // The lines under the heading: each block's address and what lies there.
    const QString lines = QString::fromStdString(VerifyText(outcome.mismatches)).section(u'\n', 1).trimmed();
    m_prompts.showMessage(CoreText(kVerifyFailedText), lines);
}
