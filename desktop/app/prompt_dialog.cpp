#include "prompt_dialog.h"

#include "editor/dialog_units.h"

#include <QLabel>
#include <QPushButton>

CPromptDialog::CPromptDialog(const Template& form, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Prompt"));
    setAccessibleName(windowTitle());
    setFont(QFont(FormFontFamily(), 9));
    const DialogUnits units(font());
    setFixedSize(units.size(form.size.width(), form.size.height()));

    const auto place = [&units](QWidget* widget, const QRect& r) {
        widget->setGeometry(units.rect(r.x(), r.y(), r.width(), r.height()));
    };

    m_staticMessage = new QLabel(form.message, this);
    m_staticMessage->setAlignment(form.messageAlignment);
    m_staticMessage->setWordWrap(true);
    m_staticMessage->setAccessibleName(form.message);
    place(m_staticMessage, form.messageRect);

    m_buttonOk = new QPushButton(form.okText, this);
    m_buttonOk->setAccessibleName(form.okText);
    m_buttonOk->setDefault(true);
    place(m_buttonOk, form.okRect);
    connect(m_buttonOk, &QPushButton::clicked, this, &QDialog::accept);

    m_buttonCancel = new QPushButton(form.cancelText, this);
    m_buttonCancel->setAccessibleName(form.cancelText);
    place(m_buttonCancel, form.cancelRect);
    connect(m_buttonCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_buttonOk->setFocus();
}

int CPromptDialog::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}
