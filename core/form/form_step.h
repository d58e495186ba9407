#pragma once

#include "form/form_controls.h"

#include <string>
#include <vector>

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

// A step's name as an English template marked with HMPROG_TEXT, "%1" and
// "%2" standing for args: a host translates the template, then fills it in.
struct StepText {
    const char* text = "";
    std::vector<std::string> args;
};

[[nodiscard]] StepText DescribeStep(const FormStep& step);

// The template with its args put in, untranslated: "Channel 5 Rx Freq".
[[nodiscard]] std::string FillStepText(const StepText& text);
