#include "cli_command.h"
#include "interrupt.h"
#include "interrupt_pipe.h"
#include "ports_json.h"
#include "print_error.h"
#include "standard_output.h"

#include "port/port_report_text.h"
#include "port/port_watcher.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QSocketNotifier>

#include <cstdio>

namespace {

void printLine(const QString& text)
{
    static_cast<void>(PrintToStandardOutput((text + u'\n').toLocal8Bit().toStdString()));
    static_cast<void>(FlushStandardOutput());
}

void printJson(const QJsonObject& object)
{
    printLine(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

// The headline, then the verdict and the findings indented under it.
QString reportText(const PortReport& report, const QString& mark = QStringLiteral(""))
{
    QString text = mark + PortHeadline(report) + QStringLiteral("\n  ") + PortVerdict(report);
    const QString findings = PortFindingsText(report, QStringLiteral("  "));
    if (!findings.isEmpty())
        text += u'\n' + findings;
    return text;
}

int listPorts(const PortSystem& system, bool json)
{
    const std::vector<PortReport> reports = DiagnosePorts(system);
    if (json) {
        QJsonArray devices;
        for (const PortReport& report : reports)
            devices.append(PortReportJson(report));
        static_cast<void>(PrintToStandardOutput(
            QJsonDocument(QJsonObject{{QStringLiteral("devices"), devices}}).toJson().toStdString()));
        return kExitCompleted;
    }
    if (reports.empty())
        printLine(QStringLiteral("No serial devices found."));
    for (const PortReport& report : reports)
        printLine(reportText(report));
    return kExitCompleted;
}

// For scripts that ask "can I use this one": 0 when it can be opened.
int showDevice(const PortSystem& system, const QString& path, bool json)
{
    const PortReport report = DiagnosePath(system, path);
    if (json)
        static_cast<void>(PrintToStandardOutput(QJsonDocument(PortReportJson(report)).toJson().toStdString()));
    else
        printLine(reportText(report));
    return report.canOpen ? kExitCompleted : kExitFailed;
}

class WatchPrinter {
public:
    WatchPrinter(const PortSystem& system, bool json) : m_system(system), m_json(json) {}

    void Show(const SerialDevice& device, const char* event, const QString& mark)
    {
        const PortReport report = DiagnosePath(m_system, device.path);
        if (m_json)
            printJson({{QStringLiteral("event"), QLatin1String(event)},
                       {QStringLiteral("device"), PortReportJson(report)}});
        else
            printLine(reportText(report, mark));
    }

    void ShowGone(const SerialDevice& device)
    {
        if (m_json)
            printJson({{QStringLiteral("event"), QStringLiteral("gone")}, {QStringLiteral("path"), device.path}});
        else
            printLine(QStringLiteral("- ") + device.path);
    }

    // An adapter without a device file comes and goes without any device
    // doing so: plugged in where its driver refuses it, say.
    void ShowAdapters(const char* event, const QString& mark)
    {
        QSet<QString> now;
        for (const PortReport& adapter : AdaptersWithoutDeviceFile(m_system)) {
            now.insert(adapter.usbPort);
            if (m_adapters.contains(adapter.usbPort))
                continue;
            if (m_json)
                printJson({{QStringLiteral("event"), QLatin1String(event)},
                           {QStringLiteral("device"), PortReportJson(adapter)}});
            else
                printLine(reportText(adapter, mark));
        }
        for (const QString& port : m_adapters) {
            if (now.contains(port))
                continue;
            if (m_json)
                printJson({{QStringLiteral("event"), QStringLiteral("gone")}, {QStringLiteral("usb_port"), port}});
            else
                printLine(QStringLiteral("- USB adapter on port %1").arg(port));
        }
        m_adapters = now;
    }

private:
    const PortSystem& m_system;
    bool m_json;
    QSet<QString> m_adapters;
};

int watchPorts(const PortSystem& system, bool json)
{
#if defined(Q_OS_UNIX)
    const InterruptPipe pipe;
    if (pipe.ReadEnd() < 0) {
        PrintError(QStringLiteral("cannot watch for Ctrl+C"));
        return kExitFailed;
    }
    QSocketNotifier interrupt(pipe.ReadEnd(), QSocketNotifier::Read);
    QObject::connect(&interrupt, &QSocketNotifier::activated, [] { QCoreApplication::exit(kExitCancelled); });
#endif
    InstallInterruptHandler(InterruptPipe::Wake);

    PortWatcher watcher(system);
    WatchPrinter printer(system, json);
    const QString present = QStringLiteral("  ");
    for (const SerialDevice& device : watcher.Devices())
        printer.Show(device, "present", present);
    printer.ShowAdapters("present", present);
    std::fputs("Watching for serial devices to appear or go; Ctrl+C ends.\n", stderr);

    QObject::connect(&watcher, &PortWatcher::Appeared, [&printer](const SerialDevice& device) {
        printer.Show(device, "appeared", QStringLiteral("+ "));
    });
    QObject::connect(&watcher, &PortWatcher::Gone,
                     [&printer](const SerialDevice& device) { printer.ShowGone(device); });
    QObject::connect(&watcher, &PortWatcher::Rescanned,
                     [&printer] { printer.ShowAdapters("appeared", QStringLiteral("+ ")); });
    if (Interrupted())
        return kExitCancelled;
    return QCoreApplication::exec();
}

const char* const kPositionals[] = {"DEVICE"};

const CliOption kOptions[] = {
    {"--json"},
    {"--watch"},
};

int runPorts(const CliArguments& parsed)
{
    const PortSystem system;
    const bool json = parsed.has(QStringLiteral("--json"));
    const bool watch = parsed.has(QStringLiteral("--watch"));
    if (watch && !parsed.positionals().isEmpty()) {
        PrintError(QStringLiteral("--watch watches every device: give no DEVICE"));
        return kExitUsage;
    }
    if (watch)
        return watchPorts(system, json);
    if (!parsed.positionals().isEmpty())
        return showDevice(system, parsed.positionals().first(), json);
    return listPorts(system, json);
}

} // namespace

const CliCommand kPortsCommand = {
    .name = "ports",
    .syntax = {.positionals = kPositionals, .positionalsOptional = true, .options = kOptions},
    .description =
        "      Lists every serial device, USB adapters first, with its maker, USB ids\n"
        "      and serial number, whether you can open it, and if not why and the\n"
        "      command that puts it right: a group to join, another program holding\n"
        "      it, ModemManager, the braille-display service, snap confinement, a\n"
        "      cable's adapter plugged in without a device file. Bluetooth ports come\n"
        "      last. DEVICE: only that one (any path, a pseudo-terminal too); exits 1\n"
        "      when it cannot be opened. --json for scripts. --watch prints each\n"
        "      device as it appears or goes, until Ctrl+C.",
    .run = runPorts,
};
