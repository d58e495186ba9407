#include "trace_path_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

QString AskTracePath(QWidget* parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("CMainFrame", "Trace to File"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QCoreApplication::translate("CMainFrame", "Text files (*.txt)"),
                           QCoreApplication::translate("CMainFrame", "All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(QDir::home().filePath(QStringLiteral("hmprog-trace.txt")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
