#include "exit_prompt_dialog.h"

CExitPromptDialog::CExitPromptDialog(QWidget* parent)
    : CPromptDialog(
          Template{
              QSize(159, 63),
              tr("Exit the application, all unsaved data will be lost to confirm the exit."),
              Qt::AlignLeft | Qt::AlignTop,
              QRect(17, 15, 126, 20),
              tr("Yes"),
              QRect(41, 38, 23, 11),
              tr("No"),
              QRect(95, 38, 23, 11),
          },
          parent)
{
}
