#include "restore_offer.h"
#include "program_title.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

bool OfferRestore(QWidget* parent, const QString& text, const QString& detail)
{
    QMessageBox box(parent);
    box.setWindowTitle(ProgramTitle());
    box.setIcon(QMessageBox::Warning);
    box.setText(text);
    box.setInformativeText(detail);
    box.setAccessibleName(text);
    QPushButton* restore = box.addButton(QCoreApplication::translate("MessageBox", "Restore"), QMessageBox::AcceptRole);
    restore->setAccessibleName(restore->text());
    QPushButton* close = box.addButton(QMessageBox::Close);
    close->setText(QCoreApplication::translate("MessageBox", "Close"));
    close->setAccessibleName(close->text());
    box.setDefaultButton(restore);
    box.setEscapeButton(close);
    box.exec();
    return box.clickedButton() == restore;
}
