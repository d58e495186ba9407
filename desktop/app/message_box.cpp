#include "message_box.h"
#include "program_title.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

void ShowMessageBox(QWidget* parent, const QString& text, const QString& detail)
{
    QMessageBox box(parent);
    box.setWindowTitle(ProgramTitle());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(text);
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.setAccessibleName(text);
    box.exec();
}
