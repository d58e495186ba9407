#include "app/fleet_dialog.h"

#include "app/fleet_run_table.h"
#include "fleet/sha256.h"
#include "port/fleet_cables.h"
#include "port/fleet_log_file.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <unistd.h>

namespace {

QCheckBox* option(const QString& text, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setAccessibleName(QString(text).remove(u'&'));
    return box;
}

QPushButton* button(QDialogButtonBox* box, const QString& text, QDialogButtonBox::ButtonRole role)
{
    QPushButton* added = box->addButton(text, role);
    added->setAccessibleName(QString(text).remove(u'&'));
    return added;
}

} // namespace

QString DefaultFleetLogPath(const QString& documentPath)
{
    if (documentPath.isEmpty())
        return QDir::home().filePath(QStringLiteral("fleet.csv"));
    const QFileInfo file(documentPath);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral("-fleet.csv"));
}

CFleetDialog::CFleetDialog(FleetJobPlan plan, const QString& logPath, const QStringList& ports,
                           const QStringList& cables, QWidget* parent)
    : QDialog(parent), m_plan(std::move(plan)), m_cables(cables)
{
    setWindowTitle(tr("Program Several Radios"));
    setAccessibleName(windowTitle());
    m_portList = new QListWidget(this);
    m_portList->setAccessibleName(tr("Ports with a radio"));
    for (const QString& port : ports) {
        auto* entry = new QListWidgetItem(port, m_portList);
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        entry->setCheckState(Qt::Unchecked);
    }
    m_log = new QLineEdit(logPath, this);
    m_log->setAccessibleName(tr("Log file"));
    m_table = new CFleetRunTable(this);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    auto* note = new QLabel(tr("Cancel keeps a radio from being written as long as its write has not begun. "
                               "A transfer in progress always finishes its blocks, so that no write is cut in "
                               "the middle."),
                            this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    m_buttonStart = button(buttons, tr("&Start"), QDialogButtonBox::ActionRole);
    m_buttonCancelAll = button(buttons, tr("Cancel &All"), QDialogButtonBox::ActionRole);
    m_buttonClose = button(buttons, tr("Close"), QDialogButtonBox::RejectRole);
    m_buttonCancelAll->setEnabled(false);
    m_buttonStart->setDefault(true);
    connect(m_buttonStart, &QPushButton::clicked, this, &CFleetDialog::start);
    connect(m_buttonCancelAll, &QPushButton::clicked, m_table, &CFleetRunTable::CancelAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFleetDialog::reject);
    connect(m_table, &CFleetRunTable::Finished, this, &CFleetDialog::finished);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeOptions());
    layout->addWidget(m_table, 1);
    layout->addWidget(note);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(860, 520);
}

// The table goes first: its threads use the plan until they end.
CFleetDialog::~CFleetDialog()
{
    delete m_table;
    if (m_plan.logFile >= 0)
        ::close(m_plan.logFile);
}

QWidget* CFleetDialog::makeOptions()
{
    auto* options = new QWidget(this);
    m_allCables = option(tr("All &cables"), options);
    m_verify = option(tr("&Verify"), options);
    m_backup = option(tr("&Back up first"), options);
    m_keepRadioData = option(tr("&Keep each radio's own data"), options);
    m_keepRadioData->setToolTip(tr("Read each radio first and write the form's channels and settings onto its own "
                                   "memory: the kill codes and the rest stay the radio's"));
    connect(m_allCables, &QCheckBox::toggled, this, [this](bool on) {
        for (int row = 0; row < m_portList->count(); ++row) {
            if (m_cables.contains(m_portList->item(row)->text()))
                m_portList->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        }
    });
    auto* portsLabel = new QLabel(tr("&Ports:"), options);
    portsLabel->setBuddy(m_portList);
    auto* logLabel = new QLabel(tr("&Log file:"), options);
    logLabel->setBuddy(m_log);
    auto* form = new QFormLayout(options);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(portsLabel, m_portList);
    form->addRow(QString(), m_allCables);
    form->addRow(QString(), m_verify);
    form->addRow(QString(), m_backup);
    form->addRow(QString(), m_keepRadioData);
    form->addRow(logLabel, m_log);
    m_portList->setMaximumHeight(110);
    return options;
}

QStringList CFleetDialog::chosenPorts() const
{
    QStringList ports;
    for (int row = 0; row < m_portList->count(); ++row) {
        if (m_portList->item(row)->checkState() == Qt::Checked)
            ports << m_portList->item(row)->text();
    }
    return ports;
}

void CFleetDialog::start()
{
    const QStringList ports = chosenPorts();
    if (ports.isEmpty()) {
        m_summary->setText(tr("Tick the ports with a radio first."));
        return;
    }
    if (!m_log->text().isEmpty()) {
        QString error;
        m_plan.logFile = OpenFleetLog(m_log->text(), error);
        if (m_plan.logFile < 0) {
            m_summary->setText(error);
            return;
        }
    }
    m_plan.verify = m_verify->isChecked();
    m_plan.backup = m_backup->isChecked();
    m_plan.keepRadioData = m_keepRadioData->isChecked();
    m_plan.fileSha256 = Sha256Hex(m_plan.image.bytes());
    for (QWidget* setting : {static_cast<QWidget*>(m_portList), static_cast<QWidget*>(m_allCables),
                             static_cast<QWidget*>(m_verify), static_cast<QWidget*>(m_backup),
                             static_cast<QWidget*>(m_keepRadioData), static_cast<QWidget*>(m_log),
                             static_cast<QWidget*>(m_buttonStart), static_cast<QWidget*>(m_buttonClose)})
        setting->setEnabled(false);
    m_buttonCancelAll->setEnabled(true);
    m_summary->setText(tr("Writing into the radio on each port ticked…"));
    m_table->Start(m_plan, ports, CableSerialNumbers(ports));
}

void CFleetDialog::finished()
{
    const int count = m_table->rowCount();
    const int failures = m_table->Failures();
    m_summary->setText(failures == 0 ? tr("Every radio written: %1 of %1.").arg(count)
                                     : tr("Radios not written: %1 of %2; their results say why.")
                                           .arg(failures)
                                           .arg(count));
    m_buttonCancelAll->setEnabled(false);
    m_buttonClose->setEnabled(true);
    m_buttonClose->setFocus();
}

// Escape and the window's close button wait, as Close does, for the run to end.
void CFleetDialog::reject()
{
    if (!m_table->Running())
        QDialog::reject();
}
