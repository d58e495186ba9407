#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The rows of a paste that were changed to fit or not pasted, one a line,
// when they are more than the status bar shows. Shown without a modal loop:
// the form stays usable, and the next such paste replaces the list.
class CPasteReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit CPasteReportDialog(QWidget* parent = nullptr);

    void Show(const QString& summary, const QStringList& rows);

    QLabel* m_summary = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_buttonClose = nullptr;
};
