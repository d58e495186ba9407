#pragma once

#include "form/form_controls.h"
#include "image/ui_text.h"


// What one change of the editor form was, for the Undo and Redo texts.
enum class StepKind {
    ModelChange,     // the model switch, with the channels it emptied
    Setting,         // another setting combo box: combo
    PttIdCode,
    Cell,            // one channel cell: first, column
    AddChannel,      // first
    DeleteChannels,  // first to last
    CutChannels,     // first to last
    ClearChannels,   // first to last
    Paste,
    Move,
    ImportChannels,
};

struct FormStep {
    StepKind kind = StepKind::Paste;
    long first = 0;   // channel
    long last = 0;    // channel; first when 0
    long column = 0;  // grid column of a cell
    FormCombo combo = FormCombo::Model;
};

// The import's name: its step, its dialog and its file dialog.
inline constexpr const char* kImportChannels = HMPROG_TEXT("Import Channels");

// A step's name, "Channel %1 Rx Freq" with the channel: a host translates
// the pattern, then fills it in.
[[nodiscard]] UiText DescribeStep(const FormStep& step);
