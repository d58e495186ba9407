// The desktop program started to print a file: neither the channel file nor
// the PDF may be anything but a regular file, and neither may block it.

#include "app/program_app.h"
#include "document/channel_file.h"
#include "sim/demo_image.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

bool isFifo(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

TEST(PrintToPdf, AFifoAsTheFileOrThePdfEndsAtOnceAndStaysAFifo)
{
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("radio.sin"));
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_TRUE(SaveChannelFile(file, DemoRadioImage()).ok());
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        const char* what;
        QString pdf;
        QString file;
    } cases[] = {
        {"channel file is a FIFO", dir.filePath(QStringLiteral("list.pdf")), fifo},
        {"PDF is a FIFO", fifo, file},
        {"PDF is a device", QStringLiteral("/dev/null"), file},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QElapsedTimer timer;
        timer.start();
        CProgramApp app;
        EXPECT_FALSE(app.InitInstance({QStringLiteral("--print-to-pdf"), c.pdf, c.file}));
        EXPECT_EQ(app.ExitCode(), 1);
        EXPECT_LT(timer.elapsed(), 10000);
        EXPECT_TRUE(isFifo(fifo));
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("list.pdf"))));
    }
    struct stat null {};
    ASSERT_EQ(::stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode));
}

} // namespace
