#include "app/channel_list_commands.h"

#include "app/message_box.h"

#include "document/channel_list_file.h"
#include "document/display_path.h"
#include "document/program_doc.h"
#include "editor/channel_import_dialog.h"
#include "editor/program_view.h"
#include "exchange/form_import.h"
#include "form/form_store.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>

#include <algorithm>

namespace {

// The translation context of this file's texts.
class ChannelListCommands {
    Q_DECLARE_TR_FUNCTIONS(ChannelListCommands)
};

QString promptOpen(QWidget* parent)
{
    QFileDialog dialog(parent, ChannelListCommands::tr("Import Channels"));
    SetUpChannelListDialog(dialog, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// The check box sits under the dialog's own controls, so the dialog is
// Qt's own rather than the platform's.
bool promptSave(QWidget* parent, QString& path, bool& standardColumns)
{
    QFileDialog dialog(parent, ChannelListCommands::tr("Export Channels"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetUpChannelListDialog(dialog, false);
    auto* standard = new QCheckBox(ChannelListCommands::tr("&Standard columns only (leave out Busy, for tools that refuse unknown "
                                      "columns)"),
                                   &dialog);
    standard->setAccessibleName(ChannelListCommands::tr("Standard columns only"));
    standard->setChecked(standardColumns);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(standard, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().constFirst();
    standardColumns = standard->isChecked();
    return true;
}

} // namespace

ChannelListPrompts SystemChannelListPrompts()
{
    return {promptOpen, promptSave};
}

void SetUpChannelListDialog(QFileDialog& dialog, bool open)
{
    dialog.setAccessibleName(dialog.windowTitle());
    dialog.setNameFilters({ChannelListCommands::tr("Channel Lists (*.csv)"), ChannelListCommands::tr("All Files (*)")});
    dialog.selectNameFilter(dialog.nameFilters().constFirst());
    if (open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
    }
}

QString RunImportChannels(QWidget* parent, CProgramView& view, const ChannelListPrompts& prompts)
{
    view.CommitOpenEditor();
    const QString path = prompts.openFile ? prompts.openFile(parent) : QString();
    CChannelImportDialog preview(view.Controls(), view.GetDocument()->m_image, prompts.openFile, parent);
    if (!path.isEmpty())
        (void)preview.OpenFile(path);
    if (preview.exec() != QDialog::Accepted)
        return QString();
    PutImportedChannels(preview.Result(), view.Controls());
    view.NoteChange({StepKind::ImportChannels});
    const auto changed = std::count(preview.Result().changed.begin(), preview.Result().changed.end(), true);
    if (changed == 1)
        return ChannelListCommands::tr("1 channel imported into the form: Save or Write keeps it.");
    return ChannelListCommands::tr("%1 channels imported into the form: Save or Write keeps them.").arg(changed);
}

QString RunExportChannels(QWidget* parent, CProgramView& view, const ChannelListPrompts& prompts)
{
    view.CommitOpenEditor();
    QString path;
    bool standardColumns = false;
    if (!prompts.saveFile || !prompts.saveFile(parent, path, standardColumns))
        return QString();
    RadioImage shown = view.GetDocument()->m_image;
    StoreFormToImage(view.Controls(), shown);
    const std::string csv = ExportChannelsCsv(shown, {.standardColumns = standardColumns});
    const FileStatus saved = SaveChannelListFile(path, QByteArray::fromStdString(csv));
    if (!saved.ok()) {
        ShowMessageBox(parent, saved.text(), saved.detail());
        return QString();
    }
    return ChannelListCommands::tr("Channels exported to %1.").arg(DisplayPath(path));
}
