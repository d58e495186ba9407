#include "port/trace_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST(TraceFile, EachSaveHoldsEveryLineSoFarAndNothingAppearsBefore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hmprog-trace.txt"));
    TraceFile trace(path);
    ASSERT_TRUE(trace.Check());
    EXPECT_FALSE(QFile::exists(path));
    trace.Line("     0.000 open sim");
    ASSERT_TRUE(trace.Save());
    EXPECT_EQ(contents(path), QByteArray("     0.000 open sim\n"));
    trace.Line("     1.000 close");
    ASSERT_TRUE(trace.Save());
    EXPECT_EQ(contents(path), QByteArray("     0.000 open sim\n     1.000 close\n"));
}

TEST(TraceFile, APlaceThatCannotTakeTheTraceSaysWhy)
{
    for (const char* path : {"/nonexistent-dir/trace.txt", "/dev/null"}) {
        SCOPED_TRACE(path);
        TraceFile trace(QString::fromLatin1(path));
        EXPECT_FALSE(trace.Check());
        EXPECT_FALSE(trace.errorString().isEmpty());
    }
}

} // namespace
