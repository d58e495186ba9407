#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Keeps the recent-file list and the file dialogs' state of the tests out of
// the user's own settings.
class SettingsSandbox : public testing::Environment {
public:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }

private:
    QTemporaryDir m_dir;
};

const auto* const g_sandbox = testing::AddGlobalTestEnvironment(new SettingsSandbox);

} // namespace
