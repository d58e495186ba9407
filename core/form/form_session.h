#pragma once

#include "exchange/channel_csv.h"
#include "form/cell_commit.h"
#include "form/channel_rows.h"
#include "form/form_controls.h"
#include "form/form_history.h"
#include "form/image_changes.h"
#include "image/ui_text.h"
#include "image/radio_image.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a cell edit did: whether the typed text was taken, the cell's text
// afterwards, and what the status line says about a corrected frequency.
struct CellCommit {
    bool accepted = false;
    std::string text;
    std::string message;
};

// What a paste of channel rows did: the channels written (count 0: none),
// the status line's report of rows changed to fit or left out, and, apart,
// its first line and the lines about single rows, for a host that lists
// them when the status line cannot hold them all.
struct RowsPaste {
    ChannelSpan written{1, 0};
    std::string report;
    std::string summary;
    std::vector<std::string> rowLines;
};

// What an import of a channel list did: its status, the report's lines and
// the count of rows loaded and skipped. A failed import has no summary.
struct ChannelImport {
    ImportStatus status = ImportStatus::Failed;
    std::vector<std::string> lines;
    std::string summary;

    [[nodiscard]] bool Loaded() const
    {
        return status == ImportStatus::AllLoaded || status == ImportStatus::SomeSkipped;
    }
    // Every line, the summary last, each ending in a newline.
    [[nodiscard]] std::string Text() const;
};

// The editor form as every host drives it: the radio image and the form's
// controls that show it, with the form's history for Undo and Redo. Between a
// load and a store the controls, not the image, hold what the user edits.
// Every change made through the session is one step of the history.
//
// The session works on controls and an image the host owns; the texts it
// returns are in the language translate gives (the core's English by default).
class FormSession {
public:
    FormSession(FormControls& form, RadioImage& image, TranslateText translate = EnglishText);
    FormSession(const FormSession&) = delete;
    FormSession& operator=(const FormSession&) = delete;

    // ---- load, store, new (form_session.cpp)
    // File New: the image of a new radio, shown as the program started afresh.
    void NewForm();
    // The program started afresh with the image: a fresh form, no model applied
    // before, so that the image's own model and channels show. A fresh history.
    void LoadFresh();
    // The image loaded into the form as it is, the model last applied kept.
    void Load();
    // The form stored into the image; the image as a write or a save sends it.
    const RadioImage& Store();
    // The form has just been saved as it shows now.
    void MarkSaved();
    [[nodiscard]] bool Modified() const;

    // A setting combo box changed: the form's reactions to the model, the
    // band and the VOX switch, then one step. SelectCombo selects index first;
    // a disabled box or an index outside its list changes nothing.
    void SelectCombo(FormCombo combo, int index);
    void ComboChanged(FormCombo combo);
    // The reaction alone, for a host that records the step itself.
    void ReactTo(FormCombo combo);
    [[nodiscard]] int AppliedModel() const { return m_appliedModel; }

    // ---- typed cells (form_session_cells.cpp)
    // A cell's editor closing on text: grid row 1..16, column 1..8. Undo makes
    // the cell current again; the current cell stays where the host has it.
    [[nodiscard]] CellCommit CommitCell(long row, long col, const std::string& typed);
    [[nodiscard]] CellCommit SetPttIdCode(const std::string& typed);

    // ---- whole channels (form_session_rows.cpp), changed at the current cell
    void AddChannel(long row);
    [[nodiscard]] std::string CopyRows(ChannelSpan channels) const;
    [[nodiscard]] std::string CutRows(ChannelSpan channels);
    [[nodiscard]] RowsPaste PasteRows(long row, std::string_view text);
    // One place up (by -1) or down (+1); false, nothing moved, at the edge.
    [[nodiscard]] bool MoveRows(ChannelSpan channels, int by);
    void ClearRows(ChannelSpan channels);
    void DeleteRows(ChannelSpan channels);

    // ---- history (form_session_history.cpp)
    // A change the host made to the controls itself: one step, unless the form
    // is as it was. Undo puts the current cell back at before; after is where
    // the change left it.
    void NoteChange(const FormStep& step, GridCell before, GridCell after);
    void NoteChange(const FormStep& step) { NoteChange(step, m_current, m_current); }
    // Where the host's current cell is, kept with the next step's form.
    void SetCurrentCell(GridCell cell) { m_current = cell; }
    // The cell the form was at when the step taken back or again was made;
    // nothing when there was no step to take.
    [[nodiscard]] std::optional<GridCell> Undo();
    [[nodiscard]] std::optional<GridCell> Redo();
    [[nodiscard]] const FormHistory& History() const { return m_history; }
    // "Undo Model Change", "Redo Channel 5 Rx Freq"; "Undo" with no step.
    [[nodiscard]] std::string UndoText() const;
    [[nodiscard]] std::string RedoText() const;

    // ---- channel lists, the show table, comparison (form_session.cpp)
    // The rows of a channel list put into the channels as one step; the form
    // is unchanged unless rows were loaded.
    [[nodiscard]] ChannelImport ImportCsv(std::string_view csv, ImportOptions options = {});
    // The form as `hmprog-cli show` prints it.
    [[nodiscard]] std::string ShowTable() const;
    // What storing the form would change in a radio holding against.
    [[nodiscard]] std::vector<ImageChange> ChangesFrom(const RadioImage& against);

private:
    [[nodiscard]] FormSnapshot snapshot() const;
    [[nodiscard]] std::optional<GridCell> restore(const std::optional<FormSnapshot>& shown);
    [[nodiscard]] std::string correctionMessage(const std::string& typed, const CommittedFrequency& stored) const;
    [[nodiscard]] RowsPaste pasteReport(const PasteOutcome& outcome) const;
    [[nodiscard]] GridCell movedTo(long channel) const;
    [[nodiscard]] bool isChannelSpan(ChannelSpan channels) const;

    FormControls& m_form;
    RadioImage& m_image;
    TranslateText m_translate;
    int m_appliedModel;
    FormHistory m_history;
    // Where the last change was made, or where the host says its cell is.
    GridCell m_current;
};
