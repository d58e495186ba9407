#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// What Check Cable found: the report read-only but selectable, so that it can
// be copied into a message to whoever sold the cable. Shown without a modal
// loop over the main window; the next check replaces the report.
class CCableCheckDialog : public QDialog {
    Q_OBJECT
public:
    explicit CCableCheckDialog(QWidget* parent = nullptr);

    void Show(const QString& report);

    QLabel* m_heading = nullptr;
    QPlainTextEdit* m_report = nullptr;
    QPushButton* m_buttonClose = nullptr;
};

// Shows report in the frame's one report window, made when first needed.
void ShowCableCheckReport(QWidget* frame, const QString& report);
