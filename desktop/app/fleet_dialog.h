#pragma once

#include "app/fleet_port_job.h"

#include <QDialog>
#include <QStringList>

class CFleetRunTable;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Program Several Radios: the form's image written into the radio on each
// chosen port at the same time, each with its own row, progress and Cancel,
// and a row per radio appended to the log.
class CFleetDialog : public QDialog {
    Q_OBJECT
public:
    // plan: the image and the file, without its log; ports: the serial
    // devices the program knows, cables: those of them that are USB cables.
    CFleetDialog(FleetJobPlan plan, const QString& logPath, const QStringList& ports, const QStringList& cables,
                 QWidget* parent = nullptr);
    ~CFleetDialog() override;

    QListWidget* m_portList = nullptr;
    QCheckBox* m_allCables = nullptr;
    QCheckBox* m_verify = nullptr;
    QCheckBox* m_backup = nullptr;
    QCheckBox* m_keepRadioData = nullptr;
    QLineEdit* m_log = nullptr;
    CFleetRunTable* m_table = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_buttonStart = nullptr;
    QPushButton* m_buttonCancelAll = nullptr;
    QPushButton* m_buttonClose = nullptr;

protected:
    void reject() override;

private:
    QWidget* makeOptions();
    void start();
    void finished();
    [[nodiscard]] QStringList chosenPorts() const;

    FleetJobPlan m_plan;
    QStringList m_cables;
};

// The log's place unless the user names another: beside the document's
// file, NAME-fleet.csv; fleet.csv in the home folder for a form never saved.
[[nodiscard]] QString DefaultFleetLogPath(const QString& documentPath);
