#include "js_link.h"

#include "link/read_timeouts.h"

#include <emscripten.h>

// The port is Module.hmprogTransfer.port, a SerialPortLike. A port without a
// sleep of its own pauses on setTimeout.

// Throwing away what has arrived takes no waiting: the port does it at once,
// so that the three clears of every block cost no turn of the event loop.
EM_JS(void, js_port_purge, (), {
    Module.hmprogTransfer.port.purge();
});

EM_ASYNC_JS(int, js_port_write, (const std::uint8_t* bytes, int count), {
    try {
        await Module.hmprogTransfer.port.write(HEAPU8.slice(bytes, bytes + count));
        return 1;
    } catch (e) {
        return 0;
    }
});

// The bytes go into buffer; the count, or -1 when the port failed. The port
// resolves once max bytes are in, deadlineMs from now, or gapMs after a byte
// that no other followed, whichever comes first.
EM_ASYNC_JS(int, js_port_read, (std::uint8_t* buffer, int max, double deadlineMs, double gapMs), {
    try {
        const bytes = await Module.hmprogTransfer.port.read(max, deadlineMs, gapMs);
        const count = Math.min(bytes.length, max);
        HEAPU8.set(bytes.subarray(0, count), buffer);
        return count;
    } catch (e) {
        return -1;
    }
});

EM_ASYNC_JS(void, js_port_sleep, (double milliseconds), {
    const port = Module.hmprogTransfer.port;
    if (port.sleep)
        await port.sleep(milliseconds);
    else
        await new Promise((resolve) => setTimeout(resolve, milliseconds));
});

OpenStatus JsLink::Open(const std::string&)
{
    return OpenStatus::Opened();
}

void JsLink::PurgeAll()
{
    js_port_purge();
}

// Every write has been awaited, so what was written has left.
void JsLink::Clear()
{
    js_port_purge();
}

WriteResult JsLink::Write(std::span<const std::uint8_t> bytes)
{
    if (js_port_write(bytes.data(), static_cast<int>(bytes.size())) == 0)
        return {};
    return {true, bytes.size()};
}

ReadResult JsLink::Read(std::size_t n)
{
    using Ms = std::chrono::duration<double, std::milli>;
    ReadResult result{true, LinkBytes(n)};
    const int count = js_port_read(result.bytes.data(), static_cast<int>(n), Ms(read_timeouts::Total(n)).count(),
                                   Ms(read_timeouts::kBetweenBytes).count());
    if (count < 0)
        return {};
    result.bytes.resize(static_cast<std::size_t>(count));
    return result;
}

void JsLink::Sleep(std::chrono::milliseconds duration)
{
    js_port_sleep(static_cast<double>(duration.count()));
}
