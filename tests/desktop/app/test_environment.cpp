#include "modal_helpers.h"

#include <QSettings>
#include <QTemporaryDir>

namespace {

// A modal dialog that no test step expects would wait for a user forever:
// it fails the test and is closed.
class UnexpectedModalGuard : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal() && PendingModals() == 0) {
            ADD_FAILURE() << "unexpected dialog \"" << dialog->windowTitle().toStdString() << '"';
            QTimer::singleShot(0, dialog, &QDialog::reject);
        }
        return false;
    }
};

// Keeps the recent-file list and the file dialogs' state of the tests out of
// the user's own settings, and guards against dialogs nobody answers. Qt's
// test mode is not used: it would put the backups of the tests' reads under
// the user's home rather than in the data folder the test main chose.
class TestEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        qApp->installEventFilter(&m_guard);
    }

private:
    QTemporaryDir m_dir;
    UnexpectedModalGuard m_guard;
};

const auto* const g_environment = testing::AddGlobalTestEnvironment(new TestEnvironment);

} // namespace
