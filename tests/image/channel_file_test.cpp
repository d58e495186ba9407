#include "image/channel_file.h"
#include "support/temp_files.h"

#include <QFileDevice>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace {

RadioImage imageOf(const QByteArray& bytes)
{
    RadioImage image;
    RadioImage::Bytes raw{};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData()), raw.size(), raw.begin());
    image.setBytes(raw);
    return image;
}

struct LengthCase {
    int length;
    bool opens;
};

class ChannelFileLength : public testing::TestWithParam<LengthCase> {};

TEST_P(ChannelFileLength, OnlyAFullImageOpensAndAFailureKeepsTheImage)
{
    TempFiles files;
    const QByteArray content = patternBytes(GetParam().length, 5);
    const QString path = files.write("radio.sin", content);

    RadioImage image;
    image.ResetToDefaults();
    const RadioImage before = image;
    const FileStatus status = LoadChannelFile(path, image);

    ASSERT_EQ(status.ok(), GetParam().opens) << status.detail().toStdString();
    if (GetParam().opens) {
        EXPECT_EQ(image, imageOf(content.left(1024)));
    } else {
        EXPECT_EQ(image, before);
        EXPECT_FALSE(status.text().isEmpty());
        EXPECT_TRUE(status.detail().contains(QFileInfo(path).fileName()));
        EXPECT_TRUE(status.detail().contains(QString::number(GetParam().length)));
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, ChannelFileLength,
                         testing::Values(LengthCase{0, false}, LengthCase{1023, false}, LengthCase{1024, true},
                                         LengthCase{1025, true}, LengthCase{4096, true}));

TEST(ChannelFile, SavedAndReopenedGivesTheSameBytes)
{
    TempFiles files;
    const RadioImage original = imageOf(patternBytes(1024, 9));
    const QString path = files.path("saved.sin");

    ASSERT_TRUE(SaveChannelFile(path, original).ok());
    const QByteArray onDisk = TempFiles::read(path);
    EXPECT_EQ(onDisk, patternBytes(1024, 9));

    RadioImage reopened;
    ASSERT_TRUE(LoadChannelFile(path, reopened).ok());
    EXPECT_EQ(reopened, original);
}

TEST(ChannelFile, AMissingFileReportsThePathAndTheReason)
{
    TempFiles files;
    RadioImage image;
    const RadioImage before = image;
    const FileStatus status = LoadChannelFile(files.path("missing.sin"), image);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.detail().contains("missing.sin"));
    EXPECT_EQ(image, before);
}

TEST(ChannelFile, AFailedSaveLeavesTheOldFileUntouched)
{
    TempFiles files;
    const QString path = files.write("old.sin", patternBytes(1024, 1));

    // A file-size limit below 1024 bytes makes the write fail half-way, even
    // for a user whom folder permissions do not stop.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    const FileStatus status = SaveChannelFile(path, imageOf(patternBytes(1024, 2)));

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.detail().contains("old.sin"));
    EXPECT_EQ(TempFiles::read(path), patternBytes(1024, 1));
}

TEST(ChannelFile, SavingIntoAMissingFolderFailsWithThePath)
{
    TempFiles files;
    const QString path = files.path("no/such/folder/x.sin");
    const FileStatus status = SaveChannelFile(path, RadioImage());
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.detail().contains("x.sin"));
}

} // namespace
