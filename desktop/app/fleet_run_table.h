#pragma once

#include "app/fleet_port_job.h"

#include <QStringList>
#include <QTableWidget>

#include <memory>
#include <vector>

class QThread;

// The live table of a run of Program Several Radios: a row per port with its
// radio, its state, its own progress bar, its result, its seconds and a
// Cancel of its own. Each port's radio is programmed on a thread of its own;
// the rows hear of it through queued signals.
class CFleetRunTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column { Port, Radio, State, Progress, Result, Seconds, CancelColumn, ColumnCount };

    explicit CFleetRunTable(QWidget* parent = nullptr);
    // Lets every transfer in progress finish before the window goes.
    ~CFleetRunTable() override;

    // plan must outlive the run; serials: the cable of each port, "" where none is known.
    void Start(const FleetJobPlan& plan, const QStringList& ports, const QStringList& serials);
    void CancelAll();
    [[nodiscard]] bool Running() const { return m_running > 0; }
    [[nodiscard]] int Failures() const { return m_failures; }

signals:
    // Every radio of the run has ended.
    void Finished();

private:
    void addRow(int row, const QString& port);
    void cancel(int row);
    void ended(int row, FleetJobEnd how, const QString& result, double seconds);
    void setText(int row, int column, const QString& text);

    // The job is deleted once its thread has ended.
    struct Worker {
        QThread* thread = nullptr;
        FleetPortJob* job = nullptr;
    };
    std::vector<Worker> m_workers;
    int m_running = 0;
    int m_failures = 0;
};
