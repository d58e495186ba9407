// Where hmprog-cli's outputs go: never over one of its inputs or another
// output, standard input read once, and standard output that cannot be
// written is a failure.

#include "cli_process.h"

#include "document/channel_file.h"
#include "image/image_layout.h"
#include "sim/demo_image.h"
#include "support/temp_files.h"

#include <QDir>

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray kList = "Location,Frequency\n1,146.520000\n";

// A folder of files, some of them other names of one another: link.sin is
// a symbolic link to radio.sin, hard.sin a hard link to it, listlink.csv a
// symbolic link to list.csv.
class CliOutputs : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SaveChannelFile(files.path("radio.sin"), DemoRadioImage()).ok());
        RadioImage other = DemoRadioImage();
        other.setByte(layout::kSquelchLevel, 9);
        ASSERT_TRUE(SaveChannelFile(files.path("other.sin"), other).ok());
        ASSERT_FALSE(files.write("list.csv", kList).isEmpty());
        ASSERT_EQ(::symlink("radio.sin", QFile::encodeName(files.path("link.sin")).constData()), 0);
        ASSERT_EQ(::link(QFile::encodeName(files.path("radio.sin")).constData(),
                         QFile::encodeName(files.path("hard.sin")).constData()),
                  0);
        ASSERT_EQ(::symlink("list.csv", QFile::encodeName(files.path("listlink.csv")).constData()), 0);
        m_before = contents();
    }

    FedRun run(const QStringList& args) const { return runCliIn(files.path(QString()), args, {}); }

    // Every file of the folder by name, with what it holds.
    QMap<QString, QByteArray> contents() const
    {
        QMap<QString, QByteArray> all;
        const QDir folder(files.path(QString()));
        for (const QString& name : folder.entryList(QDir::Files | QDir::System))
            all.insert(name, TempFiles::read(folder.filePath(name)));
        return all;
    }

    TempFiles files;
    QMap<QString, QByteArray> m_before;
};

struct ClashCase {
    const char* name;
    QStringList args;
    const char* error; // the line on standard error
};

void PrintTo(const ClashCase& c, std::ostream* os)
{
    *os << c.name;
}

const ClashCase kClashes[] = {
    {"ImportOverItsList", {"import", "list.csv", "--output", "list.csv"},
     "hmprog-cli import: IN.csv list.csv and --output list.csv are the same file: the output would replace the "
     "input"},
    {"ImportOverItsListByLink", {"import", "listlink.csv", "--output", "list.csv"},
     "hmprog-cli import: IN.csv listlink.csv and --output list.csv are the same file: the output would replace "
     "the input"},
    {"ExportOverItsInput", {"export", "radio.sin", "radio.sin"},
     "hmprog-cli export: IN.sin radio.sin and OUT.csv radio.sin are the same file: the output would replace the "
     "input"},
    {"ExportThroughASymbolicLink", {"export", "radio.sin", "link.sin"},
     "hmprog-cli export: IN.sin radio.sin and OUT.csv link.sin are the same file: the output would replace the "
     "input"},
    {"ExportThroughAHardLink", {"export", "radio.sin", "hard.sin"},
     "hmprog-cli export: IN.sin radio.sin and OUT.csv hard.sin are the same file: the output would replace the "
     "input"},
    {"ResaveOverItsInputByAnotherPath", {"resave", "radio.sin", "./radio.sin"},
     "hmprog-cli resave: IN.sin radio.sin and OUT.sin ./radio.sin are the same file: the output would replace "
     "the input"},
    {"TraceOverTheWrittenFile", {"write", "--port", "sim", "--input", "radio.sin", "--trace", "radio.sin"},
     "hmprog-cli: --input radio.sin and --trace radio.sin are the same file: the output would replace the input"},
    {"TraceOverTheComparedFile",
     {"write", "--port", "sim", "--input", "other.sin", "--against", "radio.sin", "--trace", "hard.sin"},
     "hmprog-cli: --against radio.sin and --trace hard.sin are the same file: the output would replace the input"},
    {"TraceOverTheReadFile", {"read", "--port", "sim", "--output", "new.sin", "--trace", "new.sin"},
     "hmprog-cli: --output new.sin and --trace new.sin are the same file: one output would replace the other"},
    {"TraceOverTheReadFileByLink", {"read", "--port", "sim", "--output", "link.sin", "--trace", "hard.sin"},
     "hmprog-cli: --output link.sin and --trace hard.sin are the same file: one output would replace the other"},
    {"DiffOfStandardInputTwice", {"diff", "-", "-"},
     "hmprog-cli diff: A.sin and B.sin are both standard input (\"-\"), which can be read only once"},
    {"ImportBaseFromStandardInputToo", {"import", "-", "--base", "-", "--output", "new.sin"},
     "hmprog-cli import: IN.csv and --base are both standard input (\"-\"), which can be read only once"},
    {"WriteAgainstStandardInputToo", {"write", "--port", "sim", "--input", "-", "--against", "-"},
     "hmprog-cli: --input and --against are both standard input (\"-\"), which can be read only once"},
};

class CliOutputClash : public CliOutputs, public testing::WithParamInterface<ClashCase> {};

TEST_P(CliOutputClash, IsAUsageErrorNamingBothAndTouchesNothing)
{
    const ClashCase& c = GetParam();
    const FedRun result = run(c.args);
    EXPECT_EQ(result.exitCode, 2) << result.errors.toStdString();
    EXPECT_EQ(result.errors, QString::fromUtf8(c.error) + u'\n');
    EXPECT_EQ(contents(), m_before);
}

INSTANTIATE_TEST_SUITE_P(Files, CliOutputClash, testing::ValuesIn(kClashes),
                         [](const testing::TestParamInfo<ClashCase>& info) { return std::string(info.param.name); });

// The base of an import is the one input its output may be: the file is
// updated in place, through any of its names.
TEST_F(CliOutputs, AnImportUpdatesItsBaseInPlace)
{
    const FedRun result = run({"import", "list.csv", "--base", "link.sin", "--output", "radio.sin"});
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_NE(TempFiles::read(files.path("radio.sin")), m_before.value("radio.sin"));
}

struct FullCase {
    const char* name;
    QStringList args;
    int exitCode;
    const char* command; // the sub-command named in the error, if any
};

void PrintTo(const FullCase& c, std::ostream* os)
{
    *os << c.name;
}

const FullCase kFullCases[] = {
    {"Show", {"show", "radio.sin"}, 2, "show"},
    {"ShowJson", {"show", "radio.sin", "--json"}, 2, "show"},
    {"DiffOfDifferentFiles", {"diff", "radio.sin", "other.sin"}, 2, "diff"},
    {"DiffJson", {"diff", "radio.sin", "other.sin", "--json"}, 2, "diff"},
    {"Ports", {"ports"}, 2, nullptr},
    {"PortsJson", {"ports", "--json"}, 2, nullptr},
    {"WriteDryRun", {"write", "--port", "sim", "--input", "other.sin", "--against", "radio.sin", "--dry-run"}, 1,
     nullptr},
};

class CliFullOutput : public CliOutputs, public testing::WithParamInterface<FullCase> {};

// Standard output on a full device: what a script was to be given is lost,
// and the exit status says so, with the reason.
TEST_P(CliFullOutput, FailsWithTheReason)
{
    const FullCase& c = GetParam();
    QProcess process;
    process.setProcessEnvironment(childEnvironment());
    process.setWorkingDirectory(files.path(QString()));
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(HMPROG_CLI), c.args);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), c.exitCode);
    const QString prefix = c.command ? QStringLiteral("hmprog-cli %1: ").arg(QLatin1String(c.command))
                                     : QStringLiteral("hmprog-cli: ");
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .split(u'\n')
                    .contains(prefix + QStringLiteral("cannot write standard output: No space left on device")));
}

INSTANTIATE_TEST_SUITE_P(DevFull, CliFullOutput, testing::ValuesIn(kFullCases),
                         [](const testing::TestParamInfo<FullCase>& info) { return std::string(info.param.name); });

// File names whose bytes are not UTF-8 (\xEF, \xFE and \xFD alone are not):
// the file named is the one read, and an output lands under the very name
// given, not under another that Qt's decoding would make of it.
class CliByteNames : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SaveChannelFile(files.path("demo.sin"), DemoRadioImage()).ok());
        ASSERT_TRUE(put("in\xEF.sin", TempFiles::read(files.path("demo.sin"))));
        ASSERT_TRUE(put("list\xEF.csv", kList));
    }

    bool put(const QByteArray& name, const QByteArray& bytes) const
    {
        const QByteArray path = folder() + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        const bool written = fd >= 0 && ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
        return ::close(fd) == 0 && written;
    }

    QByteArray folder() const { return QFile::encodeName(files.path(QString())); }

    // The names in the folder as bytes.
    QSet<QByteArray> names() const
    {
        QSet<QByteArray> all;
        DIR* dir = ::opendir(folder().constData());
        while (const dirent* entry = dir ? ::readdir(dir) : nullptr) {
            if (entry->d_name[0] != '.')
                all.insert(QByteArray(entry->d_name));
        }
        if (dir)
            ::closedir(dir);
        return all;
    }

    // hmprog-cli run by the shell, so that the arguments reach it byte for
    // byte: $(printf ...) makes each name.
    FedRun run(const QString& arguments) const
    {
        return runCliIn(files.path(QString()),
                        {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + arguments, QStringLiteral(HMPROG_CLI)},
                        {}, 30000, QStringLiteral("/bin/sh"));
    }

    TempFiles files;
};

struct ByteNameCase {
    const char* name;
    const char* arguments;      // for the shell
    int exitCode;
    QList<QByteArray> written;  // the names it adds to the folder
    const char* error = "";     // a line of standard error
};

void PrintTo(const ByteNameCase& c, std::ostream* os)
{
    *os << c.name;
}

const ByteNameCase kByteNames[] = {
    {"Resave", R"x(resave "$(printf 'in\357.sin')" "$(printf 'out\376.sin')")x", 0, {"out\xFE.sin"}},
    {"Export", R"x(export "$(printf 'in\357.sin')" "$(printf 'out\376.csv')")x", 0, {"out\xFE.csv"}},
    {"Import", R"x(import "$(printf 'list\357.csv')" --output "$(printf 'out\376.sin')")x", 0, {"out\xFE.sin"}},
    {"ReadWithTrace", R"x(read --port sim --output "$(printf 'out\376.sin')" --trace "$(printf 'trace\375')")x", 0,
     {"out\xFE.sin", "trace\xFD"}},
    {"MissingInput", R"x(show "$(printf 'none\357.sin')")x", 1, {}, "none\\xEF.sin: No such file or directory"},
    {"OverItsInput", R"x(resave "$(printf 'in\357.sin')" "$(printf './in\357.sin')")x", 2, {},
     "hmprog-cli resave: IN.sin in\\xEF.sin and OUT.sin ./in\\xEF.sin are the same file: the output would replace "
     "the input"},
};

class CliByteName : public CliByteNames, public testing::WithParamInterface<ByteNameCase> {};

TEST_P(CliByteName, NamesTheFileGiven)
{
    const ByteNameCase& c = GetParam();
    QSet<QByteArray> expected = names();
    for (const QByteArray& name : c.written)
        expected.insert(name);
    const FedRun result = run(QString::fromLatin1(c.arguments));
    EXPECT_EQ(result.exitCode, c.exitCode) << result.errors.toStdString();
    EXPECT_EQ(names(), expected);
    if (*c.error) {
        EXPECT_TRUE(result.errors.split(u'\n').contains(QString::fromUtf8(c.error))) << result.errors.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Names, CliByteName, testing::ValuesIn(kByteNames),
                         [](const testing::TestParamInfo<ByteNameCase>& info) { return std::string(info.param.name); });

// What went in under a name that is not UTF-8 comes back out of it.
TEST_F(CliByteNames, ARoundTripKeepsTheImage)
{
    ASSERT_EQ(run(R"x(resave "$(printf 'in\357.sin')" "$(printf 'out\376.sin')")x").exitCode, 0);
    ASSERT_EQ(run(R"x(resave "$(printf 'out\376.sin')" back.sin)x").exitCode, 0);
    ASSERT_EQ(run(QStringLiteral("resave demo.sin direct.sin")).exitCode, 0);
    EXPECT_EQ(TempFiles::read(files.path("back.sin")), TempFiles::read(files.path("direct.sin")));
}

} // namespace
