#include "version_prompt_dialog.h"

CVersionPromptDialog::CVersionPromptDialog(QWidget* parent)
    : CPromptDialog(
          Template{
              QSize(139, 59),
              tr("Please select the correct software version."),
              Qt::AlignCenter,
              QRect(10, 12, 119, 11),
              tr("Continue"),
              QRect(28, 32, 35, 13),
              tr("Cancel"),
              QRect(76, 32, 35, 13),
          },
          parent)
{
}

int RunVersionPrompt(QWidget* parent)
{
    CVersionPromptDialog dialog(parent);
    return dialog.DoModal();
}
