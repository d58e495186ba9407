#pragma once

#include <QCoreApplication>
#include <QString>

// The Program menu's write options. Their names also head the progress
// dialog's steps and the preview, so they are translated where the menu
// translates them, in the context "CMainFrame".
inline constexpr const char* kBackUpBeforeWrite = QT_TRANSLATE_NOOP("CMainFrame", "Back Up Before Write");
inline constexpr const char* kPreviewBeforeWrite = QT_TRANSLATE_NOOP("CMainFrame", "Preview Before Write");
inline constexpr const char* kVerifyAfterWrite = QT_TRANSLATE_NOOP("CMainFrame", "Verify After Write");

[[nodiscard]] inline QString WriteOptionName(const char* name)
{
    return QCoreApplication::translate("CMainFrame", name);
}
