#include "cli/fleet_cable_watch.h"

#include "cli/interrupt.h"
#include "cli/interrupt_pipe.h"

#include "port/fleet_cables.h"
#include "port/port_watcher.h"

#include <QSocketNotifier>

FleetCableWatch::FleetCableWatch(std::function<void(const QString&)> onCable, std::function<void()> onInterrupt)
    : m_onCable(std::move(onCable)), m_onInterrupt(std::move(onInterrupt))
{
}

FleetCableWatch::~FleetCableWatch()
{
    quit();
    wait();
}

void FleetCableWatch::run()
{
    const InterruptPipe pipe;
    const PortSystem system;
    PortWatcher watcher(system);
    const auto offerCables = [this, &system] {
        for (const QString& cable : AllCablePorts(system))
            m_onCable(cable);
    };
    QObject::connect(&watcher, &PortWatcher::Appeared, offerCables);
    QSocketNotifier interrupt(pipe.ReadEnd(), QSocketNotifier::Read);
    QObject::connect(&interrupt, &QSocketNotifier::activated, [this] {
        m_onInterrupt();
        quit();
    });
    // What came before the pipe was there is not written to it.
    if (Interrupted()) {
        m_onInterrupt();
        return;
    }
    // A cable plugged in since the run listed them.
    offerCables();
    exec();
}
