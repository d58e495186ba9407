#pragma once

#include "editor/transfer_prompts.h"
#include "editor/write_safety.h"
#include "fleet/write_safety_sequence.h"
#include "image/radio_image.h"
#include "link/transfer_types.h"

#include <QString>

#include <memory>
#include <optional>

class CProgramView;
class CProgressDialog;
class SystemPorts;
class TraceFile;
class TransferPorts;

// The form's transfers with the radio: the progress dialog's OK reads the
// radio into the form, writes the form into it with the write safety the
// Program menu sets, or checks the cable; every read is kept as a backup.
// Each transfer runs on the user-interface thread and keeps the window alive
// through the polls of the transfer engine. The view owns it and hands it
// its menu commands.
class CTransferController final : private WriteSafetyHost {
public:
    CTransferController(CProgramView& view, CProgressDialog& dialog);
    ~CTransferController() override;

    // The command that opens the progress dialog; its OK then calls Start.
    void ChooseTransfer(TransferDirection direction, const QString& title);
    void ChooseCableCheck();
    void Start();

    void SetPorts(TransferPorts* ports) { m_pPorts = ports; }
    void SetTrace(std::unique_ptr<TraceFile> trace);
    [[nodiscard]] bool IsTracing() const { return m_trace != nullptr; }
    void SetPrompts(TransferPrompts prompts) { m_prompts = std::move(prompts); }
    void SetWriteSafety(const WriteSafety& safety) { m_safety = safety; }
    void SetKeepBackups(bool keep) { m_keepBackups = keep; }
    // What the radio of this model holds as far as the program knows: this
    // session's last read or completed write of it, else its newest backup.
    [[nodiscard]] std::optional<RadioImage> LastKnownRadio(const RadioImage& sameModelAs) override;

private:
    // One transfer of the form's port into image; a radio left half written
    // is the caller's to report.
    WriteStepResult run(TransferDirection direction, RadioImage& image);
    TransferPorts& ports();
    void saveTrace();
    void checkCable();

    TransferResult readRadio();
    TransferResult writeRadio();
    void rememberRead(const RadioImage& image);
    void keepBackup(const RadioImage& image);
    WriteStepResult readBeforeWrite(const QString& caption, RadioImage& radio);
    WriteStepResult write(RadioImage& image);
    WriteStepResult restore(RadioImage& image);
    void sayWritten(qint64 milliseconds);
    void report(const WriteSafetyOutcome& outcome);
    void reportVerify(const WriteSafetyOutcome& outcome);

    WriteStepResult Transfer(WriteStep step, TransferDirection direction, RadioImage& image) override;
    bool AcceptImpossibleValues(const RadioImage& image, const std::vector<ImpossibleValue>& found) override;
    bool KeepBackup(const RadioImage& radio) override;
    FirstWriteAnswer AskFirstWrite() override;
    bool ConfirmWrite(const RadioImage& radio, const RadioImage& toWrite) override;
    std::optional<RadioImage> RadioHeld() override { return m_radioHolds; }
    WriteGate BeforeWrite(bool) override { return WriteGate::Go; }
    bool OfferRestore() override;

    CProgramView& m_view;
    CProgressDialog& m_dialog;
    // The dialog's OK checks the cable rather than going the view's transfer mode.
    bool m_checkingCable = false;
    WriteSafety m_safety;
    bool m_keepBackups = false;
    // Said in the status bar once the transfer has ended, which clears it.
    QString m_statusAfterTransfer;
    // This session's last read or completed write: what the radio holds.
    std::optional<RadioImage> m_radioHolds;
    TransferPrompts m_prompts;
    TransferPorts* m_pPorts = nullptr;
    std::unique_ptr<SystemPorts> m_systemPorts;
    std::unique_ptr<TraceFile> m_trace;
};
