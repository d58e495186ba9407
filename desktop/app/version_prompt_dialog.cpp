#include "version_prompt_dialog.h"

#include "document/core_text.h"
#include "link/transfer_host.h"

CVersionPromptDialog::CVersionPromptDialog(QWidget* parent)
    : CPromptDialog(
          Template{
              QSize(139, 59),
              CoreText(kVersionQuestion),
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
