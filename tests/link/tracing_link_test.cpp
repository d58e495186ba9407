#include "link_fakes.h"

#include "link/tracing_link.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(TracingLink, WritesEveryByteWithItsDirectionAndTimeOnlyWhenFinished)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.txt"));
    Bench bench;
    TracingLink trace(bench.link, path);
    ASSERT_TRUE(trace.Start());

    bench.link.Answer({0x16});
    bench.link.Answer({0x06});
    bench.link.AnswerFailedCall();
    ASSERT_TRUE(trace.Open(QStringLiteral("/dev/ttyUSB0")).ok());
    trace.Configure();
    trace.PurgeAll();
    EXPECT_TRUE(trace.Write(LinkBytes{0x02, 0x50}).ok);
    EXPECT_EQ(trace.Read(1).bytes, LinkBytes{0x16});
    EXPECT_EQ(trace.Read(3).bytes, LinkBytes{0x06});
    EXPECT_FALSE(trace.Read(8).ok);
    trace.Clear();
    trace.Close();
    // Everything reached the link underneath, in order.
    EXPECT_EQ(Describe(bench.journal), "O K P w02.50 r1=16 r3=06 r8! L X ");

    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(trace.Finish());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList expected = {
        QStringLiteral("open /dev/ttyUSB0"), QStringLiteral("configure 9600 8N1"), QStringLiteral("purge all"),
        QStringLiteral("TX 02 50"),          QStringLiteral("RX 16"),              QStringLiteral("RX 06 (timed out, 1 of 3)"),
        QStringLiteral("RX (read failed, 0 of 8)"), QStringLiteral("clear"), QStringLiteral("close"),
    };
    ASSERT_EQ(lines.size(), expected.size());
    const QRegularExpression line(QStringLiteral("^ *(\\d+\\.\\d{3}) (.*)$"));
    double previous = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch m = line.match(lines[i]);
        ASSERT_TRUE(m.hasMatch()) << lines[i].toStdString();
        EXPECT_EQ(m.captured(2), expected[i]);
        EXPECT_GE(m.captured(1).toDouble(), previous);
        previous = m.captured(1).toDouble();
    }
}

TEST(TracingLink, ATraceThatCannotBeWrittenSaysWhy)
{
    Bench bench;
    TracingLink trace(bench.link, QStringLiteral("/nonexistent-dir/trace.txt"));
    EXPECT_FALSE(trace.Start());
    EXPECT_FALSE(trace.errorString().isEmpty());
}

} // namespace
