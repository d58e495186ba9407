#include "udev_rules.h"

#include "port/cable_chips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// The rules write a chip as "Device: 1a86:7523" in a comment and as
// ENV{PRODUCT}=="1a86/7523/*", the product's numbers without leading zeros.
bool namesChip(const QString& rules, UsbIds ids)
{
    const QString device = VendorProductText(ids.vendor, ids.product);
    const QString product = QStringLiteral("\"%1/%2/").arg(ids.vendor, 0, 16).arg(ids.product, 0, 16);
    return rules.contains(device, Qt::CaseInsensitive) || rules.contains(product, Qt::CaseInsensitive);
}

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// dpkg lists every file of a package in PACKAGE[:ARCH].list. It may name
// the rules under /lib where the file was found through /usr/lib.
QString owningPackage(const QString& packageLists, const QString& ruleFile)
{
    const QDir lists(packageLists);
    for (const QString& name : lists.entryList({QStringLiteral("*.list")}, QDir::Files)) {
        const QString text = readAll(lists.filePath(name));
        for (QStringView line : QStringView(text).split(u'\n')) {
            if (line.contains(u"/udev/rules.d/") && ruleFile.endsWith(line))
                return name.chopped(5).section(u':', 0, 0);
        }
    }
    return {};
}

} // namespace

std::optional<BrailleRule> BrailleRuleFor(const SystemRoots& roots, UsbIds ids)
{
    QSet<QString> seen;
    for (const QString& folder : roots.udevRules) {
        const QDir rules(folder);
        for (const QString& name : rules.entryList({QStringLiteral("*.rules")}, QDir::Files, QDir::Name)) {
            if (seen.contains(name))
                continue;
            seen.insert(name);
            const QString path = rules.filePath(name);
            if (name.contains(QLatin1String("brltty"), Qt::CaseInsensitive) && namesChip(readAll(path), ids))
                return BrailleRule{path, owningPackage(roots.packageLists, path)};
        }
    }
    return std::nullopt;
}

bool ModemManagerIgnores(const SystemRoots& roots, const QString& ttyName)
{
    QFile dev(roots.sys + QStringLiteral("/class/tty/") + ttyName + QStringLiteral("/dev"));
    if (!dev.open(QIODevice::ReadOnly))
        return false;
    const QString number = QString::fromLatin1(dev.readAll()).trimmed();
    const QString record = readAll(roots.udevData + QStringLiteral("/c") + number);
    return record.contains(QLatin1String("E:ID_MM_DEVICE_IGNORE=1"));
}

QString CableRuleFile()
{
    return QStringLiteral("/etc/udev/rules.d/70-hmprog-cable.rules");
}

QString CableRuleLine(UsbIds ids)
{
    const QString device = VendorProductText(ids.vendor, ids.product);
    return QStringLiteral("SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\", "
                          "ENV{ID_MM_DEVICE_IGNORE}=\"1\"")
        .arg(device.section(u':', 0, 0), device.section(u':', 1, 1));
}
