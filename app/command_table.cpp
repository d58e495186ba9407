#include "command_table.h"

#include <QtGlobal>

#define CT(text) QT_TRANSLATE_NOOP("CMainFrame", text)

const std::array<MenuInfo, 5> kMenus = {{
    {MenuId::File, CT("&File")},
    {MenuId::Program, CT("&Program")},
    {MenuId::Port, CT("&Port")},
    {MenuId::View, CT("&View")},
    {MenuId::Help, CT("&Help")},
}};

const std::array<CommandInfo, 32> kCommands = {{
    {ID_FILE_NEW, MenuId::File, CT("&New\tCtrl+N"), Qt::CTRL | Qt::Key_N,
     CT("Create a new document\nNew"), false},
    {ID_FILE_OPEN, MenuId::File, CT("&Open...\tCtrl+O"), Qt::CTRL | Qt::Key_O,
     CT("Open an existing document\nOpen"), false},
    {ID_FILE_OPEN_BACKUP, MenuId::File, CT("Open &Backup…"), kNoAccelerator,
     CT("Open one of the copies kept of every read from a radio, newest first\nOpen Backup"), false},
    {ID_FILE_COMPARE, MenuId::File, CT("Co&mpare With…"), kNoAccelerator,
     CT("List what differs between the form and a channel file or a backup\nCompare With"), false},
    {ID_FILE_SAVE, MenuId::File, CT("&Save\tCtrl+S"), Qt::CTRL | Qt::Key_S,
     CT("Save the active document\nSave"), false},
    {ID_FILE_SAVE_AS, MenuId::File, CT("Save &As..."), kNoAccelerator,
     CT("Save the active document with a new name\nSave As"), true},
    {ID_FILE_IMPORT_CHANNELS, MenuId::File, CT("&Import Channels…"), kNoAccelerator,
     CT("Put the channels of a CSV channel list or a stock plan into the form\nImport Channels"), false},
    {ID_FILE_EXPORT_CHANNELS, MenuId::File, CT("&Export Channels…"), kNoAccelerator,
     CT("Save the channels the form shows as a CSV channel list\nExport Channels"), true},
    {ID_FILE_PRINT, MenuId::File, CT("&Print...\tCtrl+P"), Qt::CTRL | Qt::Key_P,
     CT("Print the active document\nPrint"), false},
    {ID_FILE_PRINT_PREVIEW, MenuId::File, CT("Print Pre&view"), kNoAccelerator,
     CT("Display full pages\nPrint Preview"), false},
    {ID_FILE_PRINT_SETUP, MenuId::File, CT("P&rint Setup..."), kNoAccelerator,
     CT("Change the printer and printing options\nPrint Setup"), true},
    {ID_APP_EXIT, MenuId::File, CT("E&xit"), kNoAccelerator,
     CT("Quit the application; prompts to save documents\nExit"), false},
    {ID_PROGRAM_READ, MenuId::Program, CT("Read\tCtrl+R"), Qt::CTRL | Qt::Key_R,
     CT("Read data from Machine\nRead"), false},
    {ID_PROGRAM_WRITE, MenuId::Program, CT("Write\tCtrl+W"), Qt::CTRL | Qt::Key_W,
     CT("Write data to machine\nWrite"), true},
    {ID_PROGRAM_KILL_CODE, MenuId::Program, CT("Kill Code"), kNoAccelerator, "", false},
    {ID_PROGRAM_TRACE, MenuId::Program, CT("Trace to File…"), kNoAccelerator,
     CT("Record every byte of the next transfers into a file, to send along when a radio will not talk\nTrace to File"),
     true},
    {ID_PROGRAM_BACKUP_BEFORE_WRITE, MenuId::Program, CT("Back Up Before Write"), kNoAccelerator,
     CT("Read the radio and keep a backup before every write; a write then costs one read more, about 2.5 s\n"
        "Back Up Before Write"),
     false},
    {ID_PROGRAM_PREVIEW_BEFORE_WRITE, MenuId::Program, CT("Preview Before Write"), kNoAccelerator,
     CT("Before a write, list what it will change in the radio since its last read, and ask\nPreview Before Write"),
     false},
    {ID_PROGRAM_VERIFY_AFTER_WRITE, MenuId::Program, CT("Verify After Write"), kNoAccelerator,
     CT("Read the radio back after a write and check that it holds what was written\nVerify After Write"), false},
    {ID_PORT_COM1, MenuId::Port, CT("COM1"), Qt::CTRL | Qt::Key_C, CT("COM1"), false},
    {ID_PORT_COM2, MenuId::Port, CT("COM2"), Qt::CTRL | Qt::Key_D, CT("COM2"), false},
    {ID_PORT_COM3, MenuId::Port, CT("COM3"), Qt::CTRL | Qt::Key_E, CT("COM3"), false},
    {ID_PORT_COM4, MenuId::Port, CT("COM4"), Qt::CTRL | Qt::Key_F, CT("COM4"), false},
    {ID_PORT_COM5, MenuId::Port, CT("COM5"), kNoAccelerator, CT("COM5"), false},
    {ID_PORT_COM6, MenuId::Port, CT("COM6"), kNoAccelerator, CT("COM6"), false},
    {ID_PORT_COM7, MenuId::Port, CT("COM7"), kNoAccelerator, CT("COM7"), false},
    {ID_PORT_COM8, MenuId::Port, CT("COM8"), kNoAccelerator, CT("COM8"), true},
    {ID_PORT_OTHER, MenuId::Port, CT("Other port…"), kNoAccelerator,
     CT("Use a serial device by its path\nOther Port"), false},
    {ID_PORT_SIMULATED, MenuId::Port, CT("Simulated radio"), kNoAccelerator,
     CT("Read and write the built-in simulated radio, with no cable\nSimulated Radio"), false},
    {ID_VIEW_TOOLBAR, MenuId::View, CT("&Toolbar"), kNoAccelerator,
     CT("Show or hide the toolbar\nToggle ToolBar"), false},
    {ID_VIEW_STATUS_BAR, MenuId::View, CT("&Status Bar"), kNoAccelerator,
     CT("Show or hide the status bar\nToggle StatusBar"), false},
    {ID_APP_ABOUT, MenuId::Help, CT("About ..."), kNoAccelerator,
     CT("Display program information, version number and copyright\nAbout"), false},
}};

const std::array<int, 9> kToolbarSlots = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_PROGRAM_READ, ID_PROGRAM_WRITE, 0, ID_FILE_PRINT, ID_APP_ABOUT,
};
