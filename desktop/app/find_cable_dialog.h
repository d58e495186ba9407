#pragma once

#include "port/port_diagnosis.h"

#include <QDialog>

#include <memory>

class PortWatcher;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// Lists the serial devices live while it is shown, so that the user can plug
// the cable in and see which device it is (a USB adapter is selected by
// itself, the computer's own ports never), with what keeps the selected one
// from working and a button that makes it the port. It is not modal, so
// that a transfer running meanwhile is not held up.
class CFindCableDialog : public QDialog {
    Q_OBJECT
public:
    // system must outlive the dialog.
    CFindCableDialog(const PortSystem& system, QWidget* parent);
    ~CFindCableDialog() override;

    QLabel* m_staticPrompt = nullptr;
    QListWidget* m_listDevices = nullptr;
    QPlainTextEdit* m_editDiagnosis = nullptr;
    QPushButton* m_buttonUse = nullptr;
    QPushButton* m_buttonClose = nullptr;

signals:
    // "Use This Port": the device file of the selected device.
    void PortChosen(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fillList();
    void showSelected();
    void useSelected();
    QString noCableText() const;
    const PortReport* selectedReport() const;

    const PortSystem& m_system;
    std::unique_ptr<PortWatcher> m_watcher;
    std::vector<PortReport> m_reports;
    // The device that appeared last: most likely the cable just plugged in.
    QString m_newest;
};
