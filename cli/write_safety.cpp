#include "cli/write_safety.h"

#include "cli/channel_io.h"
#include "cli/cli_command.h"
#include "cli/print_error.h"
#include "cli/read_backup.h"
#include "cli/standard_output.h"

#include "document/display_path.h"
#include "form/image_changes.h"
#include "form/impossible_values.h"
#include "form/write_verify.h"
#include "image/text_fill.h"
#include "port/system_ports.h"

#include <cstdio>

namespace {

// The extra reads of a write are not traced: the trace holds the write.
TransferOptions untraced(TransferOptions options)
{
    options.tracePath.clear();
    return options;
}

bool printOut(const std::string& text)
{
    return PrintToStandardOutput(text) && FlushStandardOutput();
}

// The command line as the host of a write: every transfer with the terminal's
// progress and prompts, the backup in the backups folder, each step's exit
// status kept for the end. Nobody is asked anything the options did not answer.
class TerminalWriteHost final : public WriteSafetyHost {
public:
    TerminalWriteHost(SystemPorts& ports, const TransferOptions& options, BandLimits band, bool backupAsked)
        : m_ports(ports), m_options(options), m_band(band), m_backupAsked(backupAsked)
    {
    }

    // Says how the write ended and gives the exit status.
    [[nodiscard]] int Report(const WriteSafetyOutcome& outcome) const;

    WriteStepResult Transfer(WriteStep step, TransferDirection direction, RadioImage& image) override;
    bool AcceptImpossibleValues(const RadioImage& image, const std::vector<ImpossibleValue>&) override
    {
        return MayWriteValues(ChannelName(m_options.file, true), image, m_options.yes);
    }
    bool KeepBackup(const RadioImage& radio) override
    {
        m_backupPath = KeepReadBackup(radio);
        return !m_backupPath.isEmpty() || !m_backupAsked;
    }
    std::optional<RadioImage> LastKnownRadio(const RadioImage&) override { return std::nullopt; }
    FirstWriteAnswer AskFirstWrite() override { return FirstWriteAnswer::Cancel; }
    bool ConfirmWrite(const RadioImage&, const RadioImage&) override { return false; }
    std::optional<RadioImage> RadioHeld() override { return std::nullopt; }
    WriteGate BeforeWrite(bool radioDataKept) override;
    bool OfferRestore() override;

private:
    [[nodiscard]] int reportVerify(const WriteSafetyOutcome& outcome) const;

    SystemPorts& m_ports;
    const TransferOptions& m_options;
    const BandLimits m_band;
    const bool m_backupAsked;
    QString m_backupPath;
    int m_status = kExitCompleted;
};

WriteStepResult TerminalWriteHost::Transfer(WriteStep step, TransferDirection direction, RadioImage& image)
{
    TransferOptions options = step == WriteStep::Write ? m_options : untraced(m_options);
    options.checksWrite = step == WriteStep::Verify;
    const BandLimits band = direction == TransferDirection::Write ? m_band : BandLimits{};
    const TransferOutcome outcome = RunTransferOn(m_ports, options, direction, image, band);
    m_status = outcome.status;
    return {outcome.result, outcome.partlyWritten};
}

WriteGate TerminalWriteHost::BeforeWrite(bool radioDataKept)
{
    if (radioDataKept)
        static_cast<void>(printOut("Keeping the radio's own data: writing the file's channels and settings "
                                   "onto what the radio holds.\n"));
    return WriteGate::Go;
}

// Where what the radio held before this write is, and the command that
// writes it back; the write is never undone unasked.
bool TerminalWriteHost::OfferRestore()
{
    if (m_backupPath.isEmpty())
        return false;
    PrintError(QStringLiteral("What the radio held before this write is kept in %1. To write it back:")
                   .arg(DisplayPath(m_backupPath)));
    std::fprintf(stderr, "  hmprog-cli write --port %s --input %s\n", qPrintable(ShellQuoted(m_options.port)),
                 qPrintable(ShellQuoted(m_backupPath)));
    return false;
}

int TerminalWriteHost::Report(const WriteSafetyOutcome& outcome) const
{
    using End = WriteSafetyOutcome::End;
    switch (outcome.end) {
    case End::Written:
        return outcome.verifyRead ? reportVerify(outcome) : m_status;
    case End::ReadFailed:
        PrintError(QString::fromUtf8(kNotReadBeforeWrite));
        return m_status;
    case End::NoBackup:
        PrintError(QString::fromUtf8(kNoBackupBeforeWrite));
        return kExitFailed;
    case End::WriteFailed:
    case End::OtherModel:
        return m_status;
    case End::ValuesRefused:
    case End::PreviewDeclined:
    case End::Stopped:
        break;
    }
    return kExitFailed;
}

// "Verified." on standard output, or "Verify failed" with the blocks on
// standard error.
int TerminalWriteHost::reportVerify(const WriteSafetyOutcome& outcome) const
{
    if (outcome.verifyRead->result != TransferResult::Completed) {
        // An interrupted check has said already that the write completed.
        if (m_status != kExitCancelled)
            PrintError(QStringLiteral("The radio could not be read back; the write was not verified."));
        return m_status;
    }
    if (outcome.mismatches.empty()) {
        static_cast<void>(printOut(VerifyText(outcome.mismatches)));
        return kExitCompleted;
    }
    std::fputs(VerifyText(outcome.mismatches).c_str(), stderr);
    return kExitFailed;
}

} // namespace

bool PrintWriteChanges(const QString& againstPath, const RadioImage& image)
{
    RadioImage radio;
    const FileStatus loaded = ReadChannel(againstPath, radio);
    if (!loaded.ok()) {
        PrintFileError(loaded);
        return false;
    }
    const std::vector<ImageChange> changes = CompareImages(radio, image);
    // Changes that could not be shown are not written unseen.
    return printOut(changes.empty() ? std::string("No changes.\n") : ChangesText(changes));
}

bool MayWriteValues(const QString& name, const RadioImage& image, bool yes)
{
    const std::vector<ImpossibleValue> found = FindImpossibleValues(image);
    if (found.empty())
        return true;
    QString text = QStringLiteral("%1 holds values that no radio of its model can hold:").arg(DisplayPath(name));
    for (const ImpossibleValue& value : found)
        text += QStringLiteral("\n  ") + QString::fromStdString(FillText(value));
    text += yes ? QStringLiteral("\nWriting it as --yes asks.") : QStringLiteral("\nNothing was written; --yes writes it anyway.");
    PrintError(yes ? QStringLiteral("warning: ") + text : text);
    return yes;
}

int WriteWithSafety(SystemPorts& ports, const TransferOptions& options, const WriteSafetyOptions& safety,
                    const RadioImage& file, BandLimits band)
{
    TerminalWriteHost host(ports, options, band, safety.backUp);
    return host.Report(WriteSafely(host, safety, file));
}
