#include "save_changes_prompt.h"
#include "program_title.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& name)
{
    QMessageBox box(parent);
    box.setWindowTitle(ProgramTitle());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(QCoreApplication::translate("SaveChangesPrompt", "Save changes to %1?").arg(name));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    // Each button its own mnemonic; Esc is Cancel. Enter saves, never discards.
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("SaveChangesPrompt", "&Save"));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("SaveChangesPrompt", "&Discard"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("SaveChangesPrompt", "Cancel"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.setAccessibleName(box.text());
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == box.button(QMessageBox::Save))
        return SaveChangesAnswer::Save;
    if (clicked == box.button(QMessageBox::Discard))
        return SaveChangesAnswer::Discard;
    return SaveChangesAnswer::Cancel;
}
