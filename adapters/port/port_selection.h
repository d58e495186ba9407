#pragma once

#include "link/port_target.h"
#include "port/serial_device.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

using DeviceLister = std::function<std::vector<SerialDevice>()>;

// The Port menu's item for the built-in radio, and the port's name when it is
// chosen: translated in the menu's context, "CMainFrame".
inline constexpr const char* kSimulatedRadio = QT_TRANSLATE_NOOP("CMainFrame", "Simulated radio");

// The Port menu's choice: one of the eight numbered items, a device typed in
// by its path, or the built-in simulated radio. Exactly one is chosen, "COM1"
// at every start; nothing is kept between runs.
//
// Where the system names its ports COM1, COM2, ..., item n is "COMn" itself.
// Elsewhere item n stands for the n-th device the system reports, in the
// order of SortForPortMenu, and choosing the item binds the port to that
// device: adapters plugged in or removed afterwards never move the chosen
// port to another device. If the bound device has gone, the item still shows
// it and the next open fails.
class PortSelection {
public:
    static constexpr int kNumberedItems = 8;
    enum class Naming { ComPorts, Devices };
    enum class Item { Numbered, Other, Simulated };

    // The platform's own naming and device list.
    PortSelection();
    PortSelection(DeviceLister lister, Naming naming);

    // Lists the devices again, as each time the Port menu opens.
    void Refresh();

    // Item n (1..8): "COM1 (ttyUSB0)", "COM5 (none)"; "COM1" where the system
    // has COM ports. The prompt adds the device's path, description and maker.
    QString NumberedText(int number) const;
    QString NumberedPrompt(int number) const;
    // "Other port…", with the path while that item is chosen.
    QString OtherText() const;

    // Binds to the device that item n shows at this moment.
    void ChooseNumbered(int number);
    void ChooseOther(const QString& path);
    void ChooseSimulated();

    bool IsNumberedChecked(int number) const { return m_checked == Item::Numbered && m_number == number; }
    Item Checked() const { return m_checked; }
    const QString& OtherPath() const { return m_otherPath; }
    // The device file the chosen item stands for now, without binding a
    // numbered item that is not bound yet; empty for the simulated radio. A
    // path typed in is looked for as hmprog-cli's --port is (DevicePath).
    QString ChosenDevice() const;

    // "COM3", the path typed in, or "Simulated radio".
    QString Name() const;

    // What the next transfer opens. A numbered item that is not bound yet,
    // the COM1 of a fresh start, is bound now to the device it shows.
    PortTarget TargetForTransfer();

private:
    QString deviceForTransfer();
    void layOutItems();
    bool boundDeviceMissing() const;
    const std::optional<SerialDevice>& shownBy(int number) const;
    const SerialDevice* listedComPort(int number) const;

    DeviceLister m_lister;
    Naming m_naming;
    std::vector<SerialDevice> m_devices;
    std::array<std::optional<SerialDevice>, kNumberedItems> m_items;
    Item m_checked = Item::Numbered;
    int m_number = 1;
    // The device the chosen numbered item stands for; none until it is bound.
    std::optional<SerialDevice> m_bound;
    QString m_otherPath;
};
