#include "app/channel_list_commands.h"

#include "app/message_box.h"

#include "document/channel_list_file.h"
#include "document/core_text.h"
#include "document/display_path.h"
#include "document/program_doc.h"
#include "editor/channel_import_dialog.h"
#include "editor/program_view.h"
#include "exchange/form_import.h"
#include "form/form_step.h"
#include "form/form_store.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QSettings>

#include <algorithm>

namespace {

// The translation context of this file's texts.
class ChannelListCommands {
    Q_DECLARE_TR_FUNCTIONS(ChannelListCommands)
};

const QString kFolderKey = QStringLiteral("channelLists/folder");

void rememberFolder(const QString& path)
{
    QSettings().setValue(kFolderKey, QFileInfo(path).absolutePath());
}

QString promptOpen(QWidget* parent, const std::function<QString()>& documentFolder)
{
    QFileDialog dialog(parent, CoreText(kImportChannels));
    SetUpChannelListDialog(dialog, true);
    dialog.setDirectory(ChannelListFolder(documentFolder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    rememberFolder(dialog.selectedFiles().constFirst());
    return dialog.selectedFiles().constFirst();
}

// The check box sits under the dialog's own controls, so the dialog is
// Qt's own rather than the platform's.
bool promptSave(QWidget* parent, QString& path, bool& standardColumns, const std::function<QString()>& documentFolder)
{
    QFileDialog dialog(parent, ChannelListCommands::tr("Export Channels"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetUpChannelListDialog(dialog, false);
    dialog.setDirectory(ChannelListFolder(documentFolder));
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
    rememberFolder(path);
    return true;
}

} // namespace

ChannelListPrompts SystemChannelListPrompts(std::function<QString()> documentFolder)
{
    return {[documentFolder](QWidget* parent) { return promptOpen(parent, documentFolder); },
            [documentFolder](QWidget* parent, QString& path, bool& standardColumns) {
                return promptSave(parent, path, standardColumns, documentFolder);
            }};
}

// Never the folder another file dialog was last in (the backups, say): a
// channel list is looked for where channel lists and channel files are kept.
QString ChannelListFolder(const std::function<QString()>& documentFolder)
{
    const QString last = QSettings().value(kFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString document = documentFolder ? documentFolder() : QString();
    return document.isEmpty() ? QDir::homePath() : document;
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
