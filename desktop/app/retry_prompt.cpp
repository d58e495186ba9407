#include "retry_prompt.h"
#include "program_title.h"

#include "dialog_result.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

int RunRetryPrompt(QWidget* parent, const QString& text)
{
    QMessageBox box(parent);
    box.setWindowTitle(ProgramTitle());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(text);
    box.setAccessibleName(text);
    box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Cancel);
    for (QMessageBox::StandardButton which : {QMessageBox::Retry, QMessageBox::Cancel}) {
        QAbstractButton* button = box.button(which);
        button->setIcon(QIcon());
        button->setAccessibleName(button->text());
    }
    return box.exec() == QMessageBox::Retry ? IDRETRY : IDCANCEL;
}
