#pragma once

#include "modal_helpers.h"

#include "app/command_ids.h"
#include "app/doc_manager.h"
#include "app/main_frame.h"
#include "app/recent_file_list.h"

#include "editor/program_view.h"
#include "document/channel_file.h"
#include "document/program_doc.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// File dialogs that answer from a script: each prompt takes the next name,
// and an empty script cancels.
class ScriptedDocManager : public CMyDocManager {
public:
    using CMyDocManager::CMyDocManager;

    bool DoPromptFileName(QString& fileName, bool bOpenFileDialog) override
    {
        m_prompts << (bOpenFileDialog ? QStringLiteral("open") : QStringLiteral("save"));
        m_titles << PendingOpenTitle();
        if (m_answers.isEmpty())
            return false;
        fileName = m_answers.takeFirst();
        return true;
    }

    bool DoPromptBackupName(QString& fileName) override
    {
        m_prompts << QStringLiteral("backup");
        if (m_answers.isEmpty())
            return false;
        fileName = m_answers.takeFirst();
        return true;
    }

    QStringList m_answers;
    QStringList m_prompts;
    QStringList m_titles;   // the open dialog's own title, empty for Open
};

// A main window around a new document, shown and active.
class FrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(m_dir.isValid());
        m_frame = std::make_unique<CMainFrame>(m_doc, m_docManager);
        m_docManager.SetFrame(m_frame.get());
        ASSERT_TRUE(m_docManager.OnFileNew());
        m_frame->show();
        QApplication::setActiveWindow(m_frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    }

    CProgramView& View() { return *m_frame->GetActiveView(); }

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // A channel file whose PTT ID code is code.
    QString WriteFile(const QString& name, const QByteArray& code)
    {
        RadioImage image;
        image.ResetToDefaults();
        for (qsizetype i = 0; i < code.size(); ++i)
            image.setByte(0x3B0 + static_cast<std::size_t>(i), static_cast<std::uint8_t>(code[i]));
        const QString path = Path(name);
        EXPECT_TRUE(SaveChannelFile(path, image).ok());
        return path;
    }

    QTemporaryDir m_dir;
    CProgramDoc m_doc;
    CRecentFileList m_recentFiles;
    ScriptedDocManager m_docManager{m_doc, m_recentFiles};
    std::unique_ptr<CMainFrame> m_frame;
};

// Answers the question "Save changes to NAME?" that comes next by a click on
// one of its buttons (Save, Discard, Cancel); then runs next, if given, on the
// dialog after it. The question's text is recorded in asked.
inline void AnswerSaveQuestion(QMessageBox::StandardButton button, QString* asked = nullptr,
                               std::function<void(QDialog&)> next = {})
{
    OnceModal([=](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr) << "not the save question";
        if (asked)
            *asked = box->text();
        if (next)
            OnceModal(next);
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    });
}
