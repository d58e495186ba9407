#include "port_selection.h"

#include "port/device_access.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PortSelection", text);
}

QString comName(int number)
{
    return QStringLiteral("COM%1").arg(number);
}

// "/dev/ttyUSB0, FT232R USB UART, FTDI": what the system knows of the device.
QString aboutDevice(const SerialDevice& device)
{
    QStringList parts{device.path};
    if (!device.description.isEmpty())
        parts << device.description;
    if (!device.manufacturer.isEmpty())
        parts << device.manufacturer;
    return parts.join(QStringLiteral(", "));
}

constexpr PortSelection::Naming kPlatformNaming =
#if defined(Q_OS_WIN)
    PortSelection::Naming::ComPorts;
#else
    PortSelection::Naming::Devices;
#endif

} // namespace

PortSelection::PortSelection() : PortSelection(SystemSerialDevices, kPlatformNaming) {}

PortSelection::PortSelection(DeviceLister lister, Naming naming) : m_lister(std::move(lister)), m_naming(naming)
{
    Refresh();
}

void PortSelection::Refresh()
{
    m_devices = m_lister();
    SortForPortMenu(m_devices);
    layOutItems();
}

// The bound item keeps its device; the others show the rest of the list in
// order, so that no device appears twice.
void PortSelection::layOutItems()
{
    const bool boundFixed = m_checked == Item::Numbered && m_bound.has_value();
    std::vector<const SerialDevice*> rest;
    for (const SerialDevice& device : m_devices) {
        if (!boundFixed || device.path != m_bound->path)
            rest.push_back(&device);
    }
    std::size_t next = 0;
    for (int i = 0; i < kNumberedItems; ++i) {
        auto& item = m_items[static_cast<std::size_t>(i)];
        if (boundFixed && i == m_number - 1)
            item = m_bound;
        else if (next < rest.size())
            item = *rest[next++];
        else
            item.reset();
    }
}

bool PortSelection::boundDeviceMissing() const
{
    if (!m_bound)
        return false;
    for (const SerialDevice& device : m_devices) {
        if (device.path == m_bound->path)
            return false;
    }
    return true;
}

const std::optional<SerialDevice>& PortSelection::shownBy(int number) const
{
    return m_items[static_cast<std::size_t>(number - 1)];
}

const SerialDevice* PortSelection::listedComPort(int number) const
{
    for (const SerialDevice& device : m_devices) {
        if (device.name == comName(number))
            return &device;
    }
    return nullptr;
}

QString PortSelection::NumberedText(int number) const
{
    if (m_naming == Naming::ComPorts)
        return comName(number);
    const std::optional<SerialDevice>& device = shownBy(number);
    if (!device)
        return tr("%1 (none)").arg(comName(number));
    if (IsNumberedChecked(number) && boundDeviceMissing())
        return tr("%1 (%2, missing)").arg(comName(number), device->name);
    return tr("%1 (%2)").arg(comName(number), device->name);
}

QString PortSelection::NumberedPrompt(int number) const
{
    if (m_naming == Naming::ComPorts) {
        const SerialDevice* listed = listedComPort(number);
        return listed ? tr("%1: %2").arg(comName(number), aboutDevice(*listed)) : comName(number);
    }
    const std::optional<SerialDevice>& device = shownBy(number);
    if (!device)
        return tr("%1: no serial device").arg(comName(number));
    if (IsNumberedChecked(number) && boundDeviceMissing())
        return tr("%1: %2 is no longer connected").arg(comName(number), device->path);
    return tr("%1: %2").arg(comName(number), aboutDevice(*device));
}

QString PortSelection::OtherText() const
{
    if (m_checked == Item::Other)
        return tr("Other port… (%1)").arg(m_otherPath);
    return tr("Other port…");
}

void PortSelection::ChooseNumbered(int number)
{
    m_checked = Item::Numbered;
    m_number = number;
    m_bound = m_naming == Naming::Devices ? shownBy(number) : std::nullopt;
    layOutItems();
}

void PortSelection::ChooseOther(const QString& path)
{
    m_checked = Item::Other;
    m_otherPath = path;
    m_bound.reset();
    layOutItems();
}

void PortSelection::ChooseSimulated()
{
    m_checked = Item::Simulated;
    m_bound.reset();
    layOutItems();
}

QString PortSelection::Name() const
{
    switch (m_checked) {
    case Item::Numbered:
        break;
    case Item::Other:
        return m_otherPath;
    case Item::Simulated:
        return QCoreApplication::translate("CMainFrame", kSimulatedRadio);
    }
    return comName(m_number);
}

QString PortSelection::ChosenDevice() const
{
    switch (m_checked) {
    case Item::Simulated:
        return {};
    case Item::Other:
        return DevicePath(m_otherPath);
    case Item::Numbered:
        break;
    }
    if (m_naming == Naming::ComPorts)
        return comName(m_number);
    const std::optional<SerialDevice>& device = m_bound ? m_bound : shownBy(m_number);
    return device ? device->path : QString();
}

PortTarget PortSelection::TargetForTransfer()
{
    PortTarget target;
    target.name = Name().toStdString();
    target.simulated = m_checked == Item::Simulated;
    target.device = deviceForTransfer().toStdString();
    return target;
}

QString PortSelection::deviceForTransfer()
{
    // The first transfer binds the chosen numbered item to the device it shows.
    if (m_checked == Item::Numbered && m_naming != Naming::ComPorts && !m_bound) {
        Refresh();
        m_bound = shownBy(m_number);
        layOutItems();
    }
    return ChosenDevice();
}
