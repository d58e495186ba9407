#include "document/channel_file.h"
#include "document/display_path.h"
#include "support/temp_files.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDevice>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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
                                         LengthCase{1025, false}, LengthCase{4096, false},
                                         LengthCase{1 << 20, false}));

// A longer stream, whose length only its reader can tell: standard input, or
// the files under /proc that report a size of 0.
TEST(ChannelFile, AStreamLongerThanAnImageIsRefusedWithoutReadingItAll)
{
    const QByteArray content = patternBytes(1608, 3);
    QBuffer stream;
    stream.setData(content);
    ASSERT_TRUE(stream.open(QIODevice::ReadOnly));
    RadioImage image;
    const RadioImage before = image;
    const FileStatus status = LoadChannelStream(stream, QStringLiteral("-"), image);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.detail(), QStringLiteral("- is more than 1024 bytes long; a channel file holds 1024 bytes."));
    EXPECT_EQ(stream.pos(), 1025);
    EXPECT_EQ(image, before);
}

TEST(ChannelFile, AFileThatReportsNoSizeIsStillMeasured)
{
    RadioImage image;
    const RadioImage before = image;
    const FileStatus status = LoadChannelFile(QStringLiteral("/proc/self/environ"), image);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(image, before);
}

TEST(ChannelFile, AStreamOfExactlyAnImageLoads)
{
    const QByteArray content = patternBytes(1024, 7);
    QBuffer stream;
    stream.setData(content);
    ASSERT_TRUE(stream.open(QIODevice::ReadOnly));
    RadioImage image;
    ASSERT_TRUE(LoadChannelStream(stream, QStringLiteral("-"), image).ok());
    EXPECT_EQ(image, imageOf(content));
}

// What is not a regular file is refused at once, a FIFO without waiting for a
// writer, with what it is in the detail.
struct KindCase {
    const char* name;
    const char* detailWords;
};

class ChannelFileKind : public testing::TestWithParam<KindCase> {
protected:
    QString make(const TempFiles& files) const
    {
        const QString name = QString::fromLatin1(GetParam().name);
        if (name == QLatin1String("fifo")) {
            const QString path = files.path(name);
            return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
        }
        if (name == QLatin1String("folder")) {
            const QString path = files.path(name);
            return QDir().mkdir(path) ? path : QString();
        }
        return name; // a device node that every system has
    }
};

TEST_P(ChannelFileKind, IsRefusedAtOnceOnOpen)
{
    TempFiles files;
    const QString path = make(files);
    ASSERT_FALSE(path.isEmpty());
    RadioImage image;
    const RadioImage before = image;
    QElapsedTimer timer;
    timer.start();
    const FileStatus status = LoadChannelFile(path, image);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.text(), QStringLiteral("Failed to open document."));
    EXPECT_TRUE(status.detail().contains(QLatin1String(GetParam().detailWords))) << status.detail().toStdString();
    EXPECT_EQ(image, before);
}

TEST_P(ChannelFileKind, IsNeverReplacedBySave)
{
    TempFiles files;
    const QString path = make(files);
    ASSERT_FALSE(path.isEmpty());
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);

    const FileStatus status = SaveChannelFile(path, RadioImage());

    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.text(), QStringLiteral("Failed to save document."));
    EXPECT_TRUE(status.detail().contains(QLatin1String(GetParam().detailWords))) << status.detail().toStdString();
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ChannelFileKind,
                         testing::Values(KindCase{"fifo", "is a FIFO (named pipe)"}, KindCase{"folder", "is a folder"},
                                         KindCase{"/dev/null", "/dev/null is a character device"}),
                         [](const testing::TestParamInfo<KindCase>& info) {
                             return std::string(info.param.name[0] == '/' ? "device" : info.param.name);
                         });

TEST(ChannelFile, SavingThroughALinkReplacesTheFileItPointsTo)
{
    TempFiles files;
    const QString target = files.write("target.sin", patternBytes(1024, 1));
    const QString link = files.path("link.sin");
    ASSERT_TRUE(QFile::link(target, link));

    ASSERT_TRUE(SaveChannelFile(link, imageOf(patternBytes(1024, 2))).ok());

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(TempFiles::read(target), patternBytes(1024, 2));
}

struct ShownPath {
    const char* path;
    const char* shown;
};

class DisplayPathCase : public testing::TestWithParam<ShownPath> {};

TEST_P(DisplayPathCase, EscapesWhatATerminalWouldActOn)
{
    EXPECT_EQ(DisplayPath(QString::fromUtf8(GetParam().path)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Names, DisplayPathCase,
                         testing::Values(ShownPath{"/tmp/radio 1.sin", "/tmp/radio 1.sin"},
                                         ShownPath{"/tmp/Kanäle.sin", "/tmp/Kanäle.sin"},
                                         ShownPath{"line\nbreak.sin", "line\\nbreak.sin"},
                                         ShownPath{"\x1b[2Jclear.sin", "\\x1B[2Jclear.sin"},
                                         ShownPath{"tab\there", "tab\\there"},
                                         ShownPath{"bad\xef\xbf\xbd.sin", "bad\\uFFFD.sin"},
                                         ShownPath{"\xc2\x9b" "31m", "\\x9B31m"}));

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
