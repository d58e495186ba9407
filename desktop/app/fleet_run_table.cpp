#include "app/fleet_run_table.h"

#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

namespace {

QString stateText(FleetJobEnd how)
{
    switch (how) {
    case FleetJobEnd::Written:
        return CFleetRunTable::tr("Done");
    case FleetJobEnd::Failed:
        return CFleetRunTable::tr("Failed");
    case FleetJobEnd::OtherModel:
        return CFleetRunTable::tr("Other model");
    case FleetJobEnd::Cancelled:
        break;
    }
    return CFleetRunTable::tr("Cancelled");
}

} // namespace

CFleetRunTable::CFleetRunTable(QWidget* parent) : QTableWidget(0, ColumnCount, parent)
{
    setHorizontalHeaderLabels(
        {tr("Port"), tr("Radio"), tr("State"), tr("Progress"), tr("Result"), tr("Seconds"), QString()});
    setAccessibleName(tr("Radios being programmed"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(Result, QHeaderView::Stretch);
}

CFleetRunTable::~CFleetRunTable()
{
    for (const Worker& worker : m_workers) {
        worker.job->Cancel();
        worker.thread->quit();
        worker.thread->wait();
        delete worker.job;
    }
}

void CFleetRunTable::setText(int row, int column, const QString& text)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setToolTip(text);
    setItem(row, column, cell);
}

void CFleetRunTable::addRow(int row, const QString& port)
{
    setText(row, Port, port);
    setText(row, State, tr("Waiting"));
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setAccessibleName(tr("Progress on %1").arg(port));
    setCellWidget(row, Progress, bar);
    auto* cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setAccessibleName(tr("Cancel %1").arg(port));
    cancelButton->setToolTip(tr("Do not write this radio; a transfer in progress finishes its blocks first"));
    connect(cancelButton, &QPushButton::clicked, this, [this, row] { cancel(row); });
    setCellWidget(row, CancelColumn, cancelButton);
}

void CFleetRunTable::Start(const FleetJobPlan& plan, const QStringList& ports, const QStringList& serials)
{
    qRegisterMetaType<FleetJobEnd>();
    setRowCount(static_cast<int>(ports.size()));
    for (int row = 0; row < ports.size(); ++row) {
        addRow(row, ports[row]);
        auto* thread = new QThread(this);
        auto* job = new FleetPortJob(plan, ports[row], serials.value(row));
        job->moveToThread(thread);
        auto* bar = static_cast<QProgressBar*>(cellWidget(row, Progress));
        connect(job, &FleetPortJob::StepStarted, this, [this, row](const QString& step) { setText(row, State, step); });
        connect(job, &FleetPortJob::Progressed, bar, &QProgressBar::setValue);
        connect(job, &FleetPortJob::Identified, this, [this, row](const QString& radio) { setText(row, Radio, radio); });
        connect(job, &FleetPortJob::Ended, this, [this, row](FleetJobEnd how, const QString& result, double seconds) {
            ended(row, how, result, seconds);
        });
        connect(thread, &QThread::started, job, &FleetPortJob::Run);
        connect(job, &FleetPortJob::Ended, thread, &QThread::quit);
        m_workers.push_back({thread, job});
    }
    m_running = static_cast<int>(ports.size());
    for (const Worker& worker : m_workers)
        worker.thread->start();
}

// The job only notes it: it is looked at before the write begins.
void CFleetRunTable::cancel(int row)
{
    m_workers[static_cast<std::size_t>(row)].job->Cancel();
    cellWidget(row, CancelColumn)->setEnabled(false);
    if (item(row, Result) == nullptr)
        setText(row, Result, tr("Cancel asked: no write begins; a transfer in progress finishes"));
}

void CFleetRunTable::CancelAll()
{
    for (int row = 0; row < rowCount(); ++row) {
        if (cellWidget(row, CancelColumn)->isEnabled())
            cancel(row);
    }
}

void CFleetRunTable::ended(int row, FleetJobEnd how, const QString& result, double seconds)
{
    setText(row, State, stateText(how));
    setText(row, Result, result);
    setText(row, Seconds, QString::number(seconds, 'f', 1));
    // A failed transfer's bar stays where it stopped; a radio left unwritten
    // on purpose shows nothing done, not its read.
    auto* bar = static_cast<QProgressBar*>(cellWidget(row, Progress));
    if (how == FleetJobEnd::Written)
        bar->setValue(100);
    else if (how != FleetJobEnd::Failed)
        bar->setValue(0);
    cellWidget(row, CancelColumn)->setEnabled(false);
    m_failures += how == FleetJobEnd::Written ? 0 : 1;
    if (--m_running == 0)
        emit Finished();
}
