#pragma once

#include <QString>
#include <QThread>

#include <functional>

// --watch with --all-cables: every cable that ports lists is handed to
// onCable, those there at the start and each one plugged in later, on a
// thread of its own that watches the devices as ports --watch does. onCable
// sees a cable again whenever another device appears: it knows its ports.
// onInterrupt is called on that thread once Ctrl+C came; the watch then ends.
class FleetCableWatch final : public QThread {
public:
    FleetCableWatch(std::function<void(const QString& port)> onCable, std::function<void()> onInterrupt);
    // Stops watching and waits for the thread.
    ~FleetCableWatch() override;
    FleetCableWatch(const FleetCableWatch&) = delete;
    FleetCableWatch& operator=(const FleetCableWatch&) = delete;

protected:
    void run() override;

private:
    const std::function<void(const QString&)> m_onCable;
    const std::function<void()> m_onInterrupt;
};
