// The backups folder: where a backup goes, its name, never over another one.

#include "document/backup_folder.h"
#include "document/channel_file.h"
#include "image/image_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <latch>
#include <thread>

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

// Forty reads ending in the same second, as forty programs at once: each
// keeps a backup of its own, whole.
TEST_F(BackupFolderTest, ReadsInTheSameSecondKeepOneBackupEach)
{
    constexpr int kReads = 40;
    std::vector<RadioImage> images(kReads, imageOfModel(0x37));
    std::vector<KeptBackup> kept(kReads);
    std::latch start(kReads);
    std::vector<std::thread> reads;
    for (int i = 0; i < kReads; ++i) {
        images[i].setByte(0x3E0, static_cast<std::uint8_t>(i));
        reads.emplace_back([&, i] {
            start.arrive_and_wait();
            kept[i] = KeepBackup(images[i], kWhen);
        });
    }
    for (std::thread& read : reads)
        read.join();

    QSet<QString> paths;
    for (int i = 0; i < kReads; ++i) {
        ASSERT_TRUE(kept[i].ok()) << kept[i].failure.toStdString();
        paths.insert(kept[i].path);
        RadioImage onDisk;
        ASSERT_TRUE(LoadChannelFile(kept[i].path, onDisk).ok()) << kept[i].path.toStdString();
        EXPECT_TRUE(onDisk == images[i]) << kept[i].path.toStdString();
    }
    EXPECT_EQ(paths.size(), kReads);
    EXPECT_EQ(ListBackups().size(), kReads);
}

// Something planted under the next backup's name, pointing out of the
// folder: the backup takes the name after it and never writes through it.
struct PlantedCase {
    const char* name;
    bool link;               // a symbolic link to outside.sin, else a folder
    const char* outsideHolds; // nullptr: outside.sin does not exist
};

void PrintTo(const PlantedCase& c, std::ostream* os)
{
    *os << c.name;
}

class PlantedName : public BackupFolderTest, public testing::WithParamInterface<PlantedCase> {};

TEST_P(PlantedName, IsPassedByAndNeverFollowed)
{
    const PlantedCase& c = GetParam();
    const QString outside = m_home.filePath(QStringLiteral("outside.sin"));
    const QString planted = QDir(backups()).filePath(QStringLiteral("2026-12-07_14-03-22_HM-615V.sin"));
    ASSERT_TRUE(QDir().mkpath(c.link ? backups() : planted));
    if (c.outsideHolds) {
        QFile file(outside);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.outsideHolds) > 0);
    }
    if (c.link) {
        ASSERT_TRUE(QFile::link(outside, planted));
    }

    const KeptBackup kept = KeepBackup(imageOfModel(0x37), kWhen);
    ASSERT_TRUE(kept.ok()) << kept.failure.toStdString();
    EXPECT_EQ(kept.path, QDir(backups()).filePath(QStringLiteral("2026-12-07_14-03-22_HM-615V-2.sin")));
    EXPECT_EQ(QFileInfo(planted).isSymLink(), c.link);
    QFile file(outside);
    if (!c.outsideHolds) {
        EXPECT_FALSE(file.exists());
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(c.outsideHolds));
}

INSTANTIATE_TEST_SUITE_P(Planted, PlantedName,
                         testing::Values(PlantedCase{"ALinkToNowhere", true, nullptr},
                                         PlantedCase{"ALinkToAnotherFile", true, "theirs"},
                                         PlantedCase{"AFolder", false, nullptr}),
                         [](const testing::TestParamInfo<PlantedCase>& info) { return std::string(info.param.name); });

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
