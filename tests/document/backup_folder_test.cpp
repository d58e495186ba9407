// The backups folder: where a backup goes, its name, never over another one.

#include "document/backup_folder.h"
#include "document/channel_file.h"
#include "image/image_layout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2026, 12, 7), QTime(14, 3, 22));

RadioImage imageOfModel(std::uint8_t modelByte)
{
    RadioImage image;
    image.ResetToDefaults();
    image.setByte(layout::kModel, modelByte);
    return image;
}

class BackupFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_saved); }

    QString backups() const { return m_home.filePath(QStringLiteral("hmprog/backups")); }

    QTemporaryDir m_home;

private:
    QByteArray m_saved;
};

struct NameCase {
    std::uint8_t modelByte;
    const char* name;
};

class BackupName : public testing::TestWithParam<NameCase> {};

TEST_P(BackupName, IsTheMomentAndTheModel)
{
    EXPECT_EQ(BackupFileName(imageOfModel(GetParam().modelByte), kWhen), QLatin1String(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Models, BackupName,
                         testing::Values(NameCase{0x37, "2026-12-07_14-03-22_HM-615V.sin"},
                                         NameCase{0x38, "2026-12-07_14-03-22_HM-615U.sin"},
                                         NameCase{0x39, "2026-12-07_14-03-22_unknown.sin"},
                                         NameCase{0xFF, "2026-12-07_14-03-22_unknown.sin"}));

TEST_F(BackupFolderTest, LivesUnderTheUsersDataLocation)
{
    EXPECT_EQ(QDir(BackupFolder()), QDir(backups()));
}

TEST_F(BackupFolderTest, KeepsTheImageAndNeverReplacesAnotherBackup)
{
    const RadioImage first = imageOfModel(0x37);
    RadioImage second = first;
    second.setByte(0x3E0, 0x01);
    RadioImage third = first;
    third.setByte(0x3E0, 0x02);

    const KeptBackup keptFirst = KeepBackup(first, kWhen);
    const KeptBackup keptSecond = KeepBackup(second, kWhen);
    const KeptBackup keptThird = KeepBackup(third, kWhen);
    const KeptBackup earlier = KeepBackup(third, kWhen.addSecs(-60));
    ASSERT_TRUE(keptFirst.ok()) << keptFirst.failure.toStdString();
    ASSERT_TRUE(keptSecond.ok() && keptThird.ok() && earlier.ok());

    const QDir folder(backups());
    EXPECT_EQ(keptFirst.path, folder.filePath(QStringLiteral("2026-12-07_14-03-22_HM-615V.sin")));
    EXPECT_EQ(keptSecond.path, folder.filePath(QStringLiteral("2026-12-07_14-03-22_HM-615V-2.sin")));
    EXPECT_EQ(keptThird.path, folder.filePath(QStringLiteral("2026-12-07_14-03-22_HM-615V-3.sin")));
    const std::pair<QString, RadioImage> kept[] = {{keptFirst.path, first}, {keptSecond.path, second},
                                                   {keptThird.path, third}};
    for (const auto& [path, image] : kept) {
        RadioImage onDisk;
        ASSERT_TRUE(LoadChannelFile(path, onDisk).ok()) << path.toStdString();
        EXPECT_EQ(onDisk, image) << path.toStdString();
    }
    EXPECT_EQ(ListBackups(), (QStringList{keptThird.path, keptSecond.path, keptFirst.path, earlier.path}));
}

TEST_F(BackupFolderTest, AFolderThatCannotBeMadeIsAFailureToReport)
{
    // A file where the data folder should be: no backups folder can be made
    // under it, whoever runs the test.
    QFile blocker(m_home.filePath(QStringLiteral("hmprog")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const KeptBackup kept = KeepBackup(imageOfModel(0x37), kWhen);
    EXPECT_FALSE(kept.ok());
    EXPECT_TRUE(kept.path.isEmpty());
    EXPECT_TRUE(kept.failure.contains(QLatin1String("hmprog/backups"))) << kept.failure.toStdString();
    EXPECT_TRUE(ListBackups().isEmpty());
}

} // namespace
