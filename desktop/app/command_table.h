#pragma once

#include "command_ids.h"

#include <QKeyCombination>

#include <array>

// The program's commands as the menus show them. Texts are untranslated
// source texts of the "CMainFrame" context; the prompt holds the status-bar
// text and the tooltip, split at the newline.
enum class MenuId { File, Edit, Program, Port, View, Help };

struct CommandInfo {
    int id;
    MenuId menu;
    const char* text;
    QKeyCombination accelerator;   // Qt::Key(0): none
    const char* prompt;            // empty: none
    bool separatorAfter;
    // The accelerator works only while the channel grid has the focus;
    // elsewhere the key keeps its other use (Ctrl+C selects COM1).
    bool inGridOnly = false;
};

// Keys that give a command besides its accelerator, with the same reach.
struct ExtraKey {
    int id;
    QKeyCombination key;
};

inline constexpr QKeyCombination kNoAccelerator(Qt::NoModifier, Qt::Key(0));

struct MenuInfo {
    MenuId menu;
    const char* title;
};

extern const std::array<MenuInfo, 6> kMenus;
extern const std::array<CommandInfo, 44> kCommands;
extern const std::array<ExtraKey, 4> kExtraKeys;

// The toolbar's slots, left to right; 0 is a separator.
extern const std::array<int, 12> kToolbarSlots;
