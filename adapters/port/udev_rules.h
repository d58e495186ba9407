#pragma once

#include "port/port_system.h"
#include "port/sysfs_files.h"

#include <QString>

#include <optional>

// A udev rule file of the braille-display service that names an adapter,
// and the package that installed it, if the package manager says.
struct BrailleRule {
    QString file;
    QString package;
};

// The braille-display service's rules claim USB serial chips that braille
// displays are built on, and so take the programming cable away from its
// serial driver.
std::optional<BrailleRule> BrailleRuleFor(const SystemRoots& roots, UsbIds ids);

// Whether udev has marked the tty for ModemManager to leave alone.
bool ModemManagerIgnores(const SystemRoots& roots, const QString& ttyName);

// The rule file that keeps ModemManager away from the cable, and its line.
QString CableRuleFile();
QString CableRuleLine(UsbIds ids);
