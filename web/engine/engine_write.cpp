// The page as the host of a write: the core's write sequence runs here, and
// each transfer and each question goes to Module.hmprogWrite, whose answers
// the sequence awaits (the wasm stack is put aside meanwhile).

#include "web/engine/engine_transfer.h"

#include "fleet/write_safety_sequence.h"
#include "form/image_changes.h"

#include <emscripten.h>

#include <array>
#include <cstdint>

namespace {

EM_ASYNC_JS(int, js_write_begin_step, (int step), {
    return (await Module.hmprogWrite.beginStep(step)) ? 1 : 0;
});

EM_ASYNC_JS(void, js_write_end_step, (), {
    await Module.hmprogWrite.endStep();
});

EM_ASYNC_JS(void, js_write_tell, (const char* text), {
    await Module.hmprogWrite.tell(UTF8ToString(text));
});

EM_ASYNC_JS(int, js_write_accept_values, (), {
    return (await Module.hmprogWrite.acceptValues()) ? 1 : 0;
});

EM_ASYNC_JS(int, js_write_keep_backup, (const std::uint8_t* bytes, int size), {
    return (await Module.hmprogWrite.keepBackup(HEAPU8.slice(bytes, bytes + size))) ? 1 : 0;
});

// 1 with the radio's memory in into (size bytes), 0 when none is known.
EM_ASYNC_JS(int, js_write_last_known_radio, (std::uint8_t* into, int size), {
    const bytes = await Module.hmprogWrite.lastKnownRadio();
    if (!bytes || bytes.length !== size)
        return 0;
    HEAPU8.set(bytes, into);
    return 1;
});

// 0 read first, 1 write without a preview, 2 cancel.
EM_ASYNC_JS(int, js_write_first_write, (), {
    return await Module.hmprogWrite.askFirstWrite();
});

EM_ASYNC_JS(int, js_write_confirm, (const char* changes), {
    return (await Module.hmprogWrite.confirmWrite(UTF8ToString(changes))) ? 1 : 0;
});

// Each step opens the port and the transfer dialog anew, so that the
// questions between the steps are asked with neither open. The page has no
// restore: a write that stops part way says what that leaves in the radio.
class PageWriteHost final : public WriteSafetyHost {
public:
    // The write's own outcome: its messages and what it left in the radio.
    TransferOutcome written;

    WriteStepResult Transfer(WriteStep step, TransferDirection direction, RadioImage& image) override
    {
        if (js_write_begin_step(static_cast<int>(step)) == 0)
            return {TransferResult::Cancelled};
        TransferResult result = TransferResult::Failed;
        const TransferOutcome outcome = RunTransferOn(direction, image, result);
        js_write_end_step();
        if (step == WriteStep::Write)
            written = outcome;
        else if (!outcome.ok && !outcome.cancelled)
            js_write_tell(outcome.message.c_str());
        return {result, outcome.partlyWritten};
    }
    bool AcceptImpossibleValues(const RadioImage&, const std::vector<ImpossibleValue>&) override
    {
        return js_write_accept_values() != 0;
    }
    bool KeepBackup(const RadioImage& radio) override
    {
        const auto& bytes = radio.bytes();
        return js_write_keep_backup(bytes.data(), static_cast<int>(bytes.size())) != 0;
    }
    std::optional<RadioImage> LastKnownRadio(const RadioImage&) override
    {
        std::array<std::uint8_t, RadioImage::kSize> bytes{};
        if (js_write_last_known_radio(bytes.data(), static_cast<int>(bytes.size())) == 0)
            return std::nullopt;
        RadioImage radio;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            radio.setByte(i, bytes[i]);
        return radio;
    }
    FirstWriteAnswer AskFirstWrite() override
    {
        switch (js_write_first_write()) {
        case 0:
            return FirstWriteAnswer::ReadFirst;
        case 1:
            return FirstWriteAnswer::WriteWithoutPreview;
        default:
            return FirstWriteAnswer::Cancel;
        }
    }
    bool ConfirmWrite(const RadioImage& radio, const RadioImage& toWrite) override
    {
        return js_write_confirm(ChangesText(CompareImages(radio, toWrite)).c_str()) != 0;
    }
    std::optional<RadioImage> RadioHeld() override { return std::nullopt; }
    WriteGate BeforeWrite(bool) override { return WriteGate::Go; }
    bool OfferRestore() override { return false; }
};

} // namespace

TransferOutcome WriteFromPage(EngineSession& session, const WriteSafetyOptions& options)
{
    PageWriteHost host;
    const WriteSafetyOutcome outcome = WriteSafely(host, options, session.StoredImage());
    TransferOutcome result = host.written;
    result.cancelled = result.cancelled || outcome.end == WriteSafetyOutcome::End::ValuesRefused ||
                       outcome.end == WriteSafetyOutcome::End::PreviewDeclined;
    if (outcome.end == WriteSafetyOutcome::End::Written)
        result.image = outcome.written;
    if (outcome.verifyRead && outcome.verifyRead->result == TransferResult::Completed)
        result.verify = VerifyText(outcome.mismatches);
    return result;
}
