#pragma once

#include <QString>

#include <functional>

class CProgramView;
class QFileDialog;
class QWidget;

// The file dialogs of Import Channels and Export Channels; tests replace them.
struct ChannelListPrompts {
    // The list to import; empty when cancelled.
    std::function<QString(QWidget* parent)> openFile;
    // Where to export and whether only the standard columns; false when cancelled.
    std::function<bool(QWidget* parent, QString& path, bool& standardColumns)> saveFile;
};

// The system's file dialogs: "Channel Lists (*.csv)" first, then all files;
// the save dialog carries the "standard columns only" check box. They open in
// the folder of the last channel list chosen, else in documentFolder() (the
// channel file's folder; empty for none), else in the home folder.
ChannelListPrompts SystemChannelListPrompts(std::function<QString()> documentFolder = {});
[[nodiscard]] QString ChannelListFolder(const std::function<QString()>& documentFolder);
void SetUpChannelListDialog(QFileDialog& dialog, bool open);

// File Import Channels: asks for a file, previews the import (a stock plan
// may be chosen there instead) and on OK puts the channels into the form,
// not into the image, so that the change can still be discarded. Returns the
// status-bar word, empty when nothing changed.
[[nodiscard]] QString RunImportChannels(QWidget* parent, CProgramView& view, const ChannelListPrompts& prompts);

// File Export Channels: the channels the form shows, as a CSV channel list.
// A failed save is shown in the program's message box. Returns the
// status-bar word, empty when nothing was written.
[[nodiscard]] QString RunExportChannels(QWidget* parent, CProgramView& view, const ChannelListPrompts& prompts);
