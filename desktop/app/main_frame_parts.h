#pragma once

// What the main window's files share about its commands.

#include "app/command_ids.h"
#include "app/main_frame.h"

#include <QString>

// How long a word in the status bar stays, in milliseconds.
inline constexpr int kStatusMessageTime = 10000;

// The Program menu's choices around a write.
inline constexpr int kWriteSafetyItems[] = {
    ID_PROGRAM_BACKUP_BEFORE_WRITE, ID_PROGRAM_PREVIEW_BEFORE_WRITE, ID_PROGRAM_VERIFY_AFTER_WRITE};

struct PortCommand {
    int id;
    int number;
    void (CMainFrame::*handler)();
};

inline const PortCommand kPortCommands[] = {
    {ID_PORT_COM1, 1, &CMainFrame::OnPortCom1}, {ID_PORT_COM2, 2, &CMainFrame::OnPortCom2},
    {ID_PORT_COM3, 3, &CMainFrame::OnPortCom3}, {ID_PORT_COM4, 4, &CMainFrame::OnPortCom4},
    {ID_PORT_COM5, 5, &CMainFrame::OnPortCom5}, {ID_PORT_COM6, 6, &CMainFrame::OnPortCom6},
    {ID_PORT_COM7, 7, &CMainFrame::OnPortCom7}, {ID_PORT_COM8, 8, &CMainFrame::OnPortCom8},
};

// "\tCtrl+C" for a command with an accelerator, shown at the right of its
// menu item as the File menu's texts show theirs; empty for one without.
QString AcceleratorSuffix(int id);
