#include "paste_report_dialog.h"

#include "app/close_buttons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CPasteReportDialog::CPasteReportDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Paste"));
    setAccessibleName(windowTitle());

    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Rows not pasted as they came"));
    m_list->setWordWrap(true);
    QDialogButtonBox* buttons = MakeCloseButtons(*this, tr("Close"), m_buttonClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(560, 300);
}

void CPasteReportDialog::Show(const QString& summary, const QStringList& rows)
{
    m_summary->setText(summary);
    m_summary->setAccessibleName(summary);
    m_list->clear();
    m_list->addItems(rows);
    show();
    raise();
    activateWindow();
}
