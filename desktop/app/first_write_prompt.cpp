#include "first_write_prompt.h"
#include "program_title.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("FirstWritePrompt", text);
}

QPushButton* addButton(QMessageBox& box, const char* text, QMessageBox::ButtonRole role)
{
    QPushButton* button = box.addButton(tr(text), role);
    button->setAccessibleName(button->text().remove(u'&'));
    return button;
}

} // namespace

FirstWriteAnswer AskFirstWrite(QWidget* parent)
{
    QMessageBox box(parent);
    box.setWindowTitle(ProgramTitle());
    box.setIcon(QMessageBox::Question);
    box.setText(tr("There is nothing to preview this write against: the radio has not been read since the program "
                   "started, and no backup of this model is kept."));
    box.setInformativeText(tr("Read First reads the radio and keeps what it holds as a backup, then shows what the "
                              "write changes in it."));
    box.setAccessibleName(box.text());
    QPushButton* readFirst = addButton(box, "&Read First", QMessageBox::AcceptRole);
    QPushButton* withoutPreview = addButton(box, "&Write Without Preview", QMessageBox::DestructiveRole);
    QPushButton* cancel = addButton(box, "Cancel", QMessageBox::RejectRole);
    // Enter must not write by accident.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == readFirst)
        return FirstWriteAnswer::ReadFirst;
    if (box.clickedButton() == withoutPreview)
        return FirstWriteAnswer::WriteWithoutPreview;
    return FirstWriteAnswer::Cancel;
}
