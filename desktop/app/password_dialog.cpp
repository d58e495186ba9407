#include "password_dialog.h"

#include "editor/dialog_units.h"
#include "upper_case_validator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CPasswordDialog::CPasswordDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Password"));
    setAccessibleName(windowTitle());
    setFont(QFont(QStringLiteral("Arial"), 8));
    const DialogUnits units(font());
    setFixedSize(units.size(123, 61));

    auto* label = new QLabel(tr("Password"), this);
    label->setAccessibleName(label->text());
    label->setGeometry(units.rect(7, 12, 33, 10));

    // Shown in clear: the password is a dealer's code, not a secret of the user.
    m_editPassword = new QLineEdit(this);
    m_editPassword->setAccessibleName(tr("Password"));
    m_editPassword->setValidator(new UpperCaseValidator(m_editPassword));
    m_editPassword->setGeometry(units.rect(42, 10, 72, 12));
    label->setBuddy(m_editPassword);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    ok->setGeometry(units.rect(10, 38, 48, 14));
    connect(ok, &QPushButton::clicked, this, &CPasswordDialog::OnOK);

    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setAccessibleName(cancel->text());
    cancel->setGeometry(units.rect(66, 38, 48, 14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_editPassword->setFocus();
}

int CPasswordDialog::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CPasswordDialog::OnOK()
{
    if (m_editPassword->text() == g_accessPassword)
        accept();
    else
        reject();
}
