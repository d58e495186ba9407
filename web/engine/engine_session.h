#pragma once

#include "form/channel_rows.h"
#include "form/form_history.h"
#include "form/form_record.h"
#include "image/radio_image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What a cell edit did: whether the typed text was taken, the cell's text
// afterwards, and what the status line says about a corrected frequency.
struct CellCommit {
    bool accepted = false;
    std::string text;
    std::string message;
};

struct FileOpen {
    bool ok = false;
    std::string message;
};

struct ChannelImport {
    bool ok = false;
    std::string report;
};

// What a paste of channel rows did: the channels written (count 0: none) and
// what the status line tells about rows changed to fit or left out.
struct RowsPaste {
    ChannelSpan written{1, 0};
    std::string report;
};

// The page's one document: the radio image and the form that shows it, run
// by the same rules as the desktop form. Between a load and a store the form,
// not the image, holds what the user edits. Every change of the form is one
// step of its history, named as the desktop names it, for Undo and Redo.
class EngineSession {
public:
    EngineSession();

    // File New: the image of a new radio and the form loaded from it.
    void NewForm();
    // The refusals of the desktop: only exactly one image's worth of bytes is
    // a channel file. A refused file leaves the document as it was.
    [[nodiscard]] FileOpen OpenChannelFile(std::span<const std::uint8_t> bytes, const std::string& name);
    // File Save: the form stored into the image, and the image's bytes.
    [[nodiscard]] std::vector<std::uint8_t> SaveChannelFile();

    const FormRecord& form() const { return m_form; }
    // Whether the form differs from the one last loaded or saved.
    [[nodiscard]] bool modified() const;

    // A setting combo box changed by the user, with the form's reactions to
    // the model, the band and the VOX switch. A disabled box or an index
    // outside its list changes nothing.
    void SelectCombo(FormCombo combo, int index);
    // A cell's editor closing on text: grid row 1..16, column 1..8.
    [[nodiscard]] CellCommit CommitCell(int row, int col, const std::string& typed);
    [[nodiscard]] CellCommit SetPttIdCode(const std::string& typed);
    void AddChannel(int row);
    void DeleteChannel(int row);
    void ClearChannel(int row);

    // Whole channels, first to last, as the Edit menu handles them.
    [[nodiscard]] std::string CopyRows(ChannelSpan channels) const;
    [[nodiscard]] std::string CutRows(ChannelSpan channels);
    [[nodiscard]] RowsPaste PasteRows(int row, const std::string& text);
    // One place up (by -1) or down (+1); false, nothing moved, at the edge.
    [[nodiscard]] bool MoveRows(ChannelSpan channels, int by);
    void ClearRows(ChannelSpan channels);
    void DeleteRows(ChannelSpan channels);

    // The cell the form was at when the step taken back or again was made;
    // nothing when there was no step to take.
    [[nodiscard]] std::optional<GridCell> Undo();
    [[nodiscard]] std::optional<GridCell> Redo();
    [[nodiscard]] bool CanUndo() const { return m_history.CanUndo(); }
    [[nodiscard]] bool CanRedo() const { return m_history.CanRedo(); }
    // "Undo Model Change", "Redo Channel 5 Rx Freq"; "Undo" with no step.
    [[nodiscard]] std::string UndoText() const;
    [[nodiscard]] std::string RedoText() const;

    [[nodiscard]] std::string ExportCsv();
    // The rows of a channel list put into the channels, then the form reloaded.
    [[nodiscard]] ChannelImport ImportCsv(const std::string& text);

    // The image as a write or a save sends it: the form stored into it.
    [[nodiscard]] RadioImage StoredImage();
    // A completed read: the radio's memory becomes the document.
    void LoadReadImage(const RadioImage& image);
    // The form's view of what a write would change in a radio holding against.
    [[nodiscard]] std::string PreviewWrite(const RadioImage& against);

private:
    void loadForm();
    [[nodiscard]] FormSnapshot snapshot() const;
    // A change just made: one step, unless the form is as it was. Undo puts
    // the current cell back at before; after is where the change left it.
    void noteChange(const FormStep& step, GridCell before, GridCell after);
    void noteChange(const FormStep& step, GridCell at) { noteChange(step, at, at); }
    [[nodiscard]] std::optional<GridCell> restore(const std::optional<FormSnapshot>& shown);
    [[nodiscard]] bool isChannelSpan(ChannelSpan channels) const;

    RadioImage m_image;
    FormRecord m_form;
    int m_appliedModel = kNoModelApplied;
    FormHistory m_history;
    // Where the last change was made: a step's cell, kept with its snapshot.
    GridCell m_current;
};

// What a cell of grid column col offers to choose from: the tone list for the
// tone columns, the fixed items of the option columns, none for the others.
[[nodiscard]] std::vector<std::string> CellChoices(int col);

// The form as `hmprog-cli show` prints it after opening image: the settings,
// then the channel table.
[[nodiscard]] std::string ShowText(const RadioImage& image);
