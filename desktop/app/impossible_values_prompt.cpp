#include "impossible_values_prompt.h"
#include "program_title.h"

#include "document/core_text.h"
#include "form/impossible_values.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString FoundText(const std::vector<ImpossibleValue>& found)
{
    QStringList lines;
    for (const ImpossibleValue& value : found)
        lines << QStringLiteral("• ") + CoreText(value);
    return lines.join(u'\n');
}

void SetUpBox(QMessageBox& box, const char* text, const QString& detail)
{
    box.setWindowTitle(ProgramTitle());
    box.setIcon(QMessageBox::Warning);
    box.setText(CoreText(text));
    box.setInformativeText(detail);
    box.setAccessibleName(box.text());
}

} // namespace

void TellOfImpossibleValues(QWidget* parent, const RadioImage& image)
{
    const std::vector<ImpossibleValue> found = FindImpossibleValues(image);
    if (found.empty())
        return;
    QMessageBox box(parent);
    SetUpBox(box, kImpossibleValuesOpened, FoundText(found));
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setAccessibleName(ok->text());
    box.exec();
}

bool ConfirmWriteOfImpossibleValues(QWidget* parent, const RadioImage& image)
{
    const std::vector<ImpossibleValue> found = FindImpossibleValues(image);
    if (found.empty())
        return true;
    QMessageBox box(parent);
    SetUpBox(box, kImpossibleValuesWrite,
             FoundText(found) + u'\n' + u'\n' + CoreText(kImpossibleValuesQuestion));
    QPushButton* write = box.addButton(QCoreApplication::translate("MessageBox", "Write"), QMessageBox::AcceptRole);
    write->setAccessibleName(write->text());
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(QCoreApplication::translate("MessageBox", "Cancel"));
    cancel->setAccessibleName(cancel->text());
    // Enter must not write such an image by accident.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == write;
}
