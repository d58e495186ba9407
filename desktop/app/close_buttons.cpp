#include "app/close_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* MakeCloseButtons(QDialog& dialog, const QString& closeText, QPushButton*& close)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(closeText);
    close->setAccessibleName(close->text());
    close->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}
