#include "cable_check_dialog.h"

#include "app/close_buttons.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CCableCheckDialog::CCableCheckDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Check Cable"));
    setAccessibleName(windowTitle());

    m_heading = new QLabel(tr("What the two reads of the radio showed:"), this);
    m_report = new QPlainTextEdit(this);
    m_report->setReadOnly(true);
    m_report->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_report->setAccessibleName(tr("Cable check report"));
    m_heading->setBuddy(m_report);
    QDialogButtonBox* buttons = MakeCloseButtons(*this, tr("Close"), m_buttonClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_report, 1);
    layout->addWidget(buttons);
    resize(620, 260);
}

// The report gets the focus, so that Ctrl+A and Ctrl+C copy it at once.
void CCableCheckDialog::Show(const QString& report)
{
    m_report->setPlainText(report);
    show();
    raise();
    activateWindow();
    m_report->setFocus();
}

void ShowCableCheckReport(QWidget* frame, const QString& report)
{
    auto* dialog = frame->findChild<CCableCheckDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog)
        dialog = new CCableCheckDialog(frame);
    dialog->Show(report);
}
