#include "engine_transfer.h"

#include "web/engine/js_link.h"

#include "codec/frequency.h"
#include "image/ui_text.h"
#include "link/cable_check.h"
#include "link/partial_write.h"
#include "link/progress_text.h"
#include "link/transfer_session.h"

#include <emscripten.h>

#include <cstdlib>

namespace {

EM_JS(int, js_cancel_requested, (), {
    const signal = Module.hmprogTransfer.signal;
    return signal && signal.aborted ? 1 : 0;
});

EM_JS(void, js_host_progress, (int percent), {
    Module.hmprogTransfer.host.progress(percent);
});

EM_JS(void, js_host_status, (const char* text), {
    Module.hmprogTransfer.host.status(UTF8ToString(text));
});

EM_JS(char*, js_port_name, (), {
    const name = Module.hmprogTransfer.portName || "";
    const size = lengthBytesUTF8(name) + 1;
    const text = _malloc(size);
    stringToUTF8(name, text, size);
    return text;
});

EM_ASYNC_JS(int, js_host_ask_retry, (const char* text), {
    return (await Module.hmprogTransfer.host.askRetry(UTF8ToString(text))) ? 1 : 0;
});

EM_ASYNC_JS(int, js_host_ask_version, (const char* text), {
    return (await Module.hmprogTransfer.host.askVersion(UTF8ToString(text))) ? 1 : 0;
});

std::string portName()
{
    char* name = js_port_name();
    std::string text(name);
    std::free(name);
    return text;
}

// The page's side of a transfer: progress and status go to it at once, the
// messages are kept for the outcome, the prompts wait for the user's answer.
class PageHost final : public TransferHost {
public:
    PageHost(TransferDirection direction, std::string portName)
        : m_range(ProgressRange(direction)), m_portName(std::move(portName))
    {
    }

    // The page's events run while the port is awaited; there is nothing more
    // to hand them here.
    void DispatchOne() override {}
    bool CancelRequested() override { return js_cancel_requested() != 0; }
    void Progress(int steps) override
    {
        m_position += steps;
        js_host_progress(m_range > 0 ? m_position * 100 / m_range : 0);
    }
    void ShowStatus(const TransferStatus& status) override
    {
        // Check Cable reads twice: the bar starts again with each read.
        if (status.stage == TransferStatus::Stage::WaitingForRadio)
            m_position = 0;
        js_host_status(TransferStatusText(status, m_portName).c_str());
    }
    void ShowMessage(const std::string& text) override
    {
        m_messages += m_messages.empty() ? text : '\n' + text;
    }
    RetryAnswer AskRetry(const std::string& text) override
    {
        return js_host_ask_retry(text.c_str()) != 0 ? RetryAnswer::Retry : RetryAnswer::Cancel;
    }
    VersionAnswer AskVersion() override
    {
        return js_host_ask_version(kVersionQuestion) != 0 ? VersionAnswer::Continue : VersionAnswer::Cancel;
    }

    const std::string& messages() const { return m_messages; }

private:
    int m_range;
    int m_position = 0;
    std::string m_portName;
    std::string m_messages;
};

class PagePorts final : public TransferPorts {
public:
    SerialLink& LinkFor(const PortTarget&) override { return m_link; }

private:
    JsLink m_link;
};

} // namespace

TransferOutcome RunTransferOn(TransferDirection direction, RadioImage& image, TransferResult& result)
{
    const std::string name = portName();
    PageHost host(direction, name);
    PagePorts ports;
    TransferSession transfer(ports, host);
    result = transfer.Run(PortTarget{false, name, name}, direction, image, BandLimits{g_bandLow, g_bandHigh});

    TransferOutcome outcome;
    outcome.ok = result == TransferResult::Completed;
    outcome.cancelled = result == TransferResult::Cancelled || result == TransferResult::Refused;
    outcome.message = host.messages();
    outcome.partlyWritten = transfer.LeftPartlyWritten();
    outcome.otherModel = result.reason == FailureReason::ModelMismatch;
    if (outcome.partlyWritten)
        outcome.warning = PartlyWrittenWarning();
    return outcome;
}

TransferOutcome RunTransfer(EngineSession& session, TransferDirection direction, ReadInto into)
{
    RadioImage image = direction == TransferDirection::Write ? session.StoredImage() : RadioImage{};
    const RadioImage sent = image;
    TransferResult result = TransferResult::Failed;
    TransferOutcome outcome = RunTransferOn(direction, image, result);
    if (direction == TransferDirection::Write) {
        outcome.image = sent;
    } else if (outcome.ok) {
        outcome.image = image;
        if (into == ReadInto::Form)
            session.LoadReadImage(image);
    }
    return outcome;
}

CheckOutcome RunCableCheck()
{
    const std::string name = portName();
    PageHost host(TransferDirection::Read, name);
    PagePorts ports;
    CableCheck check(ports, host);
    const CableCheckReport report = check.Run(PortTarget{false, name, name});
    CheckOutcome outcome;
    outcome.agrees = report.agrees();
    outcome.cancelled = report.cancelled();
    outcome.message = host.messages();
    outcome.report = CableCheckText(report);
    outcome.differingBlocks.assign(report.differingBlocks.begin(), report.differingBlocks.end());
    outcome.bytesPerSecond = report.bytesPerSecond;
    outcome.counts = report.counts;
    return outcome;
}
