// What the program does around a transfer so that what was in a radio is
// never lost: every read is kept as a backup; a write may be preceded by a
// read kept as a backup and by a list of what it changes, followed by a read
// back that checks it, and a write that left the radio half written offers to
// write back what the radio held before.

#include "editor/program_view.h"

#include "editor/desktop_transfer_host.h"
#include "editor/progress_dialog.h"
#include "editor/write_option_names.h"

#include "document/core_text.h"
#include "document/program_doc.h"
#include "form/impossible_values.h"
#include "form/write_verify.h"
#include "image/image_layout.h"
#include "link/partial_write.h"
#include "link/progress_text.h"

#include <QElapsedTimer>

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
    if (!FindImpossibleValues(image, 1).empty() && !(m_prompts.confirmValues && m_prompts.confirmValues(image)))
        return TransferResult::Cancelled;
    if (m_safety.backUpBeforeWrite) {
        RadioImage before;
        const TransferResult read = readBeforeWrite(WriteOptionName(kBackUpBeforeWrite), before);
        if (read != TransferResult::Completed)
            return read;
    }
    if (m_safety.previewBeforeWrite) {
        const TransferResult preview = previewWrite(image);
        if (preview != TransferResult::Completed)
            return preview;
    }

    std::optional<RadioImage> restorePoint = m_radioHolds;
    if (restorePoint && restorePoint->byte(layout::kModel) != image.byte(layout::kModel))
        restorePoint.reset();
    RadioImage toWrite = image;
    QElapsedTimer taken;
    taken.start();
    const TransferOutcome write = RunTransfer(TransferDirection::Write, toWrite);
    if (write.result == TransferResult::Completed) {
        m_radioHolds = image;
        sayWritten(taken.elapsed());
        if (m_safety.verifyAfterWrite)
            verifyWrite(image);
    } else if (write.leftPartlyWritten) {
        reportPartlyWritten(restorePoint);
    }
    return write.result;
}

// A write that ends without a word leaves the user wondering whether it
// happened; a backup kept on the way is said after it.
void CProgramView::sayWritten(qint64 milliseconds)
{
    const QString written = tr("Written. (%1 s)").arg(static_cast<double>(milliseconds) / 1000.0, 0, 'f', 1);
    m_statusAfterTransfer =
        m_statusAfterTransfer.isEmpty() ? written : written + u' ' + m_statusAfterTransfer;
}

// A read of the radio under the write's OK, kept as a backup; the dialog then
// goes on with the write.
TransferResult CProgramView::readBeforeWrite(const QString& caption, RadioImage& radio)
{
    m_pProgressDlg->BeginNextTransfer(caption, ProgressRange(TransferDirection::Read));
    const TransferResult read = RunTransfer(TransferDirection::Read, radio).result;
    if (read == TransferResult::Completed)
        rememberRead(radio);
    m_pProgressDlg->BeginNextTransfer(m_pProgressDlg->m_strTitle, ProgressRange(TransferDirection::Write));
    return read;
}

// The preview needs what the radio holds. Without a read in this session or
// a backup of the model there is nothing to compare with: that is said, and
// the user chooses to read the radio first, to write without a preview, or
// not to write. Completed means the write may go on.
TransferResult CProgramView::previewWrite(const RadioImage& image)
{
    std::optional<RadioImage> radio = LastKnownRadio(image);
    if (!radio) {
        const FirstWriteAnswer answer = m_prompts.askFirstWrite ? m_prompts.askFirstWrite() : FirstWriteAnswer::Cancel;
        if (answer == FirstWriteAnswer::Cancel)
            return TransferResult::Cancelled;
        if (answer == FirstWriteAnswer::WriteWithoutPreview)
            return TransferResult::Completed;
        RadioImage read;
        const TransferResult result = readBeforeWrite(tr("Read Before Write"), read);
        if (result != TransferResult::Completed)
            return result;
        radio = read;
    }
    const bool write = m_prompts.confirmWrite && m_prompts.confirmWrite(*radio, image);
    return write ? TransferResult::Completed : TransferResult::Cancelled;
}

// A second transfer with the same engine reads the radio back into a scratch
// image; the form and the document keep what was written.
void CProgramView::verifyWrite(const RadioImage& written)
{
    m_pProgressDlg->BeginNextTransfer(WriteOptionName(kVerifyAfterWrite), ProgressRange(TransferDirection::Read));
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
