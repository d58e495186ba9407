#include "other_port_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

COtherPortDialog::COtherPortDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Other port"));
    setAccessibleName(windowTitle());

    m_staticPrompt = new QLabel(tr("Path of the serial device:"), this);
    m_staticPrompt->setAccessibleName(m_staticPrompt->text());
    m_editPath = new QLineEdit(this);
    m_editPath->setAccessibleName(tr("Device path"));
    m_editPath->setPlaceholderText(tr("/dev/ttyUSB0"));
    m_editPath->setMinimumWidth(m_editPath->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
    m_staticPrompt->setBuddy(m_editPath);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttonOk = buttons->button(QDialogButtonBox::Ok);
    m_buttonOk->setAccessibleName(m_buttonOk->text());
    m_buttonCancel = buttons->button(QDialogButtonBox::Cancel);
    m_buttonCancel->setAccessibleName(m_buttonCancel->text());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_editPath, &QLineEdit::textChanged, this,
            [this] { m_buttonOk->setEnabled(!typedPath().isEmpty()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_staticPrompt);
    layout->addWidget(m_editPath);
    layout->addWidget(buttons);
    setSizeGripEnabled(false);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COtherPortDialog::Ask(const QString& path)
{
    m_editPath->setText(path);
    m_editPath->selectAll();
    m_buttonOk->setEnabled(!typedPath().isEmpty());
    show();
    raise();
    activateWindow();
    m_editPath->setFocus(Qt::OtherFocusReason);
}

void COtherPortDialog::accept()
{
    const QString path = typedPath();
    if (path.isEmpty())
        return;
    QDialog::accept();
    emit PathChosen(path);
}

QString COtherPortDialog::typedPath() const
{
    return m_editPath->text().trimmed();
}
