#include "find_cable_dialog.h"

#include "port/port_report_text.h"
#include "port/port_watcher.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kReportIndex = Qt::UserRole;

bool isUsb(const PortReport& report)
{
    return report.kind == PortKind::UsbAdapter || report.kind == PortKind::UsbWithoutDeviceFile;
}

} // namespace

CFindCableDialog::CFindCableDialog(const PortSystem& system, QWidget* parent) : QDialog(parent), m_system(system)
{
    setWindowTitle(tr("Find Cable"));
    setAccessibleName(windowTitle());

    m_staticPrompt = new QLabel(tr("Plug the programming cable in: it appears in this list as soon as the system "
                                   "reports it. Select it to see whether it can be used."),
                                this);
    m_staticPrompt->setWordWrap(true);
    m_staticPrompt->setAccessibleName(m_staticPrompt->text());
    m_listDevices = new QListWidget(this);
    m_listDevices->setAccessibleName(tr("Serial devices"));
    m_staticPrompt->setBuddy(m_listDevices);
    m_editDiagnosis = new QPlainTextEdit(this);
    m_editDiagnosis->setReadOnly(true);
    m_editDiagnosis->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_editDiagnosis->setAccessibleName(tr("What keeps the selected device from working"));

    auto* buttons = new QDialogButtonBox(this);
    m_buttonUse = buttons->addButton(tr("&Use This Port"), QDialogButtonBox::AcceptRole);
    m_buttonUse->setAccessibleName(tr("Use the selected device as the port"));
    m_buttonClose = buttons->addButton(QDialogButtonBox::Close);
    m_buttonClose->setAccessibleName(m_buttonClose->text());
    connect(m_buttonUse, &QPushButton::clicked, this, &CFindCableDialog::useSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_listDevices, &QListWidget::itemSelectionChanged, this, &CFindCableDialog::showSelected);
    connect(m_listDevices, &QListWidget::itemActivated, this, &CFindCableDialog::useSelected);

    const int em = fontMetrics().horizontalAdvance(QLatin1Char('x'));
    m_listDevices->setMinimumSize(em * 70, fontMetrics().height() * 8);
    m_editDiagnosis->setMinimumHeight(fontMetrics().height() * 8);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_staticPrompt);
    layout->addWidget(m_listDevices, 1);
    layout->addWidget(m_editDiagnosis, 1);
    layout->addWidget(buttons);
}

CFindCableDialog::~CFindCableDialog() = default;

// The devices are watched only while the list is in sight.
void CFindCableDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_watcher = std::make_unique<PortWatcher>(m_system);
    connect(m_watcher.get(), &PortWatcher::Appeared, this,
            [this](const SerialDevice& device) { m_newest = device.path; });
    connect(m_watcher.get(), &PortWatcher::Rescanned, this, &CFindCableDialog::fillList);
    fillList();
    m_listDevices->setFocus(Qt::OtherFocusReason);
}

void CFindCableDialog::hideEvent(QHideEvent* event)
{
    m_watcher.reset();
    m_newest.clear();
    QDialog::hideEvent(event);
}

// The selection stays on its device as others come and go, and moves to a
// device that has just appeared.
void CFindCableDialog::fillList()
{
    const PortReport* selected = selectedReport();
    const QString keep = !m_newest.isEmpty() ? std::exchange(m_newest, QString())
                         : selected          ? selected->device.path + selected->usbPort
                                             : QString();
    m_reports = DiagnosePorts(m_system);
    const QSignalBlocker quiet(m_listDevices);
    m_listDevices->clear();
    // USB adapters come first; the computer's own ports are never a guess
    // for the cable.
    int current = !m_reports.empty() && isUsb(m_reports.front()) ? 0 : -1;
    for (std::size_t i = 0; i < m_reports.size(); ++i) {
        const PortReport& report = m_reports[i];
        auto* item = new QListWidgetItem(tr("%1\n    %2").arg(PortHeadline(report), PortVerdict(report)), m_listDevices);
        item->setData(kReportIndex, static_cast<int>(i));
        if (!keep.isEmpty() && report.device.path + report.usbPort == keep)
            current = static_cast<int>(i);
    }
    m_listDevices->setCurrentRow(current);
    if (current < 0)
        m_listDevices->clearSelection();
    showSelected();
}

const PortReport* CFindCableDialog::selectedReport() const
{
    // Focus alone makes the first row current without selecting it: only
    // what is selected counts.
    const QList<QListWidgetItem*> selected = m_listDevices->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    const QListWidgetItem* item = selected.front();
    const auto index = static_cast<std::size_t>(item->data(kReportIndex).toInt());
    return index < m_reports.size() ? &m_reports[index] : nullptr;
}

void CFindCableDialog::showSelected()
{
    const PortReport* report = selectedReport();
    m_buttonUse->setEnabled(report && !report->device.path.isEmpty());
    if (!report) {
        m_editDiagnosis->setPlainText(m_reports.empty() ? tr("No serial device is present. Plug the cable in.")
                                                        : noCableText());
        return;
    }
    const QString findings = PortFindingsText(*report);
    const QString verdict = report->canOpen ? tr("This device can be opened.") : QString();
    m_editDiagnosis->setPlainText(findings.isEmpty() ? verdict : findings);
}

// Nothing selected, yet devices listed: none of them is a USB cable.
QString CFindCableDialog::noCableText() const
{
    QStringList own;
    for (const PortReport& report : m_reports) {
        if (report.kind == PortKind::BuiltIn)
            own << report.device.path;
    }
    QStringList text{tr("No USB cable was found.")};
    if (own.size() == 1)
        text << tr("%1 is the computer's own serial port, not a programming cable.").arg(own.front());
    else if (own.size() > 1)
        text << tr("%1 are the computer's own serial ports, not a programming cable.")
                    .arg(own.join(QStringLiteral(", ")));
    text << tr("Plug the cable in: it appears at the top of this list.");
    return text.join(u' ');
}

void CFindCableDialog::useSelected()
{
    const PortReport* report = selectedReport();
    if (!report || report->device.path.isEmpty())
        return;
    const QString path = report->device.path;
    accept();
    emit PortChosen(path);
}
