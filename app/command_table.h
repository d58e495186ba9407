#pragma once

#include "command_ids.h"

#include <QKeyCombination>

#include <array>

// The program's commands as the menus show them. Texts are untranslated
// source texts of the "CMainFrame" context; the prompt holds the status-bar
// text and the tooltip, split at the newline.
enum class MenuId { File, Program, Port, View, Help };

struct CommandInfo {
    int id;
    MenuId menu;
    const char* text;
    QKeyCombination accelerator;   // Qt::Key(0): none
    const char* prompt;            // empty: none
    bool separatorAfter;
};

inline constexpr QKeyCombination kNoAccelerator(Qt::NoModifier, Qt::Key(0));

struct MenuInfo {
    MenuId menu;
    const char* title;
};

extern const std::array<MenuInfo, 5> kMenus;
extern const std::array<CommandInfo, 33> kCommands;

// The toolbar's nine slots, left to right; 0 is a separator.
extern const std::array<int, 9> kToolbarSlots;
