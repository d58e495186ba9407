// What the program does around a transfer so that what was in a radio is
// never lost: every read is kept as a backup; a write may be preceded by a
// read kept as a backup and by a list of what it changes, followed by a read
// back that checks it, and a write that left the radio half written offers to
// write back what the radio held before.

#include "editor/program_view.h"

#include "editor/desktop_transfer_host.h"
#include "editor/progress_dialog.h"

#include "document/core_text.h"
#include "document/program_doc.h"
#include "form/write_verify.h"
#include "image/image_layout.h"
#include "link/partial_write.h"
#include "link/progress_text.h"

TransferResult CProgramView::ReadRadio()
{
    RadioImage& image = GetDocument()->m_image;
    const TransferResult result = RunTransfer(TransferDirection::Read, image).result;
    if (result == TransferResult::Completed)
        rememberRead(image);
    return result;
}

void CProgramView::rememberRead(const RadioImage& image)
{
    m_radioHolds = image;
    keepBackup(image);
}

// The restore point is taken before the write: once blocks have gone out, the
// radio no longer holds it.
TransferResult CProgramView::WriteRadio()
{
    const RadioImage& image = GetDocument()->m_image;
    if (m_safety.backUpBeforeWrite) {
        m_pProgressDlg->BeginNextTransfer(tr("Back Up Before Write"), ProgressRange(TransferDirection::Read));
        RadioImage before;
        const TransferResult read = RunTransfer(TransferDirection::Read, before).result;
        if (read != TransferResult::Completed)
            return read;
        rememberRead(before);
        m_pProgressDlg->BeginNextTransfer(m_pProgressDlg->m_strTitle, ProgressRange(TransferDirection::Write));
    }
    if (m_safety.previewBeforeWrite && !confirmWrite(image))
        return TransferResult::Cancelled;

    std::optional<RadioImage> restorePoint = m_radioHolds;
    if (restorePoint && restorePoint->byte(layout::kModel) != image.byte(layout::kModel))
        restorePoint.reset();
    RadioImage toWrite = image;
    const TransferOutcome write = RunTransfer(TransferDirection::Write, toWrite);
    if (write.result == TransferResult::Completed) {
        m_radioHolds = image;
        if (m_safety.verifyAfterWrite)
            verifyWrite(image);
    } else if (write.leftPartlyWritten) {
        reportPartlyWritten(restorePoint);
    }
    return write.result;
}

// Without anything to compare with there is nothing to preview: the write
// goes ahead as it always did.
bool CProgramView::confirmWrite(const RadioImage& image)
{
    const std::optional<RadioImage> radio = LastKnownRadio(image);
    if (!radio)
        return true;
    return m_prompts.confirmWrite && m_prompts.confirmWrite(*radio, image);
}

// A second transfer with the same engine reads the radio back into a scratch
// image; the form and the document keep what was written.
void CProgramView::verifyWrite(const RadioImage& written)
{
    m_pProgressDlg->BeginNextTransfer(tr("Verify After Write"), ProgressRange(TransferDirection::Read));
    RadioImage readBack;
    const TransferResult read = RunTransfer(TransferDirection::Read, readBack).result;
    if (!m_prompts.showMessage)
        return;
    if (read != TransferResult::Completed) {
        m_prompts.showMessage(tr("The write was not verified: the radio could not be read back."), QString());
        return;
    }
    const std::vector<BlockMismatch> mismatches = VerifyWrittenBlocks(written, readBack);
    if (mismatches.empty()) {
        m_prompts.showMessage(CoreText(kVerifiedText), QString());
        return;
    }
    // The lines under the heading: each block's address and what lies there.
    const QString lines = QString::fromStdString(VerifyText(mismatches)).section(u'\n', 1).trimmed();
    m_prompts.showMessage(CoreText(kVerifyFailedText), lines);
}

void CProgramView::reportPartlyWritten(const std::optional<RadioImage>& restorePoint)
{
    const QString warning = CoreText(PartlyWrittenWarning());
    if (!restorePoint || !m_prompts.offerRestore) {
        if (m_prompts.showMessage)
            m_prompts.showMessage(warning, QString());
        return;
    }
    const QString offer = tr("What the radio held before this write can be written back into it: press Restore.");
    if (!m_prompts.offerRestore(warning, offer))
        return;

    m_pProgressDlg->BeginNextTransfer(tr("Restore"), ProgressRange(TransferDirection::Write));
    RadioImage backup = *restorePoint;
    const TransferOutcome restore = RunTransfer(TransferDirection::Write, backup);
    if (restore.result == TransferResult::Completed) {
        m_radioHolds = *restorePoint;
        m_statusAfterTransfer = tr("The radio holds again what it held before the write.");
    } else if (restore.leftPartlyWritten && m_prompts.showMessage) {
        m_prompts.showMessage(warning, QString());
    }
}
