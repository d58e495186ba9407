#include "paste_report_dialog.h"

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
    auto* buttons = new QDialogButtonBox(this);
    m_buttonClose = buttons->addButton(QDialogButtonBox::Close);
    m_buttonClose->setText(tr("Close"));
    m_buttonClose->setAccessibleName(m_buttonClose->text());
    m_buttonClose->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

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
