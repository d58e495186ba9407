// The manuals say what the programs accept: every synopsis hmprog-cli --help
// shows is a heading of hmprog-cli(1), and every option of hmprog's usage is
// in hmprog(1).

#include "installed_tree.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString simplified(const QString& text)
{
    return text.simplified();
}

// The sub-commands' synopses in --help: a line indented by two spaces opens
// one; lines indented by six that go on with an option or a bracket continue
// it. Other lines describe it.
QStringList helpSynopses(const QString& help)
{
    QStringList synopses;
    bool inSynopsis = false;
    for (const QString& line : help.split(u'\n')) {
        static const QRegularExpression opening(QStringLiteral("^  [a-z]"));
        static const QRegularExpression continuation(QStringLiteral(R"(^      [\[-])"));
        if (opening.match(line).hasMatch()) {
            synopses << line;
            inSynopsis = true;
        } else if (inSynopsis && continuation.match(line).hasMatch()) {
            synopses.last() += QLatin1Char(' ') + line;
        } else {
            inSynopsis = false;
        }
    }
    for (QString& synopsis : synopses)
        synopsis = simplified(synopsis);
    return synopses;
}

// The subsection headings of the manual's COMMANDS section, as man shows
// them: indented by three spaces.
QStringList manualHeadings(const QString& manual)
{
    const qsizetype start = manual.indexOf(QStringLiteral("\nCOMMANDS\n"));
    const qsizetype end = manual.indexOf(QRegularExpression(QStringLiteral("\n[A-Z]")), start + 1);
    QStringList headings;
    static const QRegularExpression heading(QStringLiteral("^   [^ ]"));
    for (const QString& line : manual.mid(start, end - start).split(u'\n')) {
        if (heading.match(line).hasMatch())
            headings << simplified(line);
    }
    return headings;
}

QStringList options(const QString& text)
{
    static const QRegularExpression option(QStringLiteral(R"((?<![\w-])--[a-z][a-z-]*)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : option.globalMatch(text))
        found << match.captured(0);
    found.removeDuplicates();
    return found;
}

struct HelpCase {
    const char* help;
    QStringList synopses;
};

TEST(HelpSynopses, ReadsWrappedSynopsesAndSkipsDescriptions)
{
    const HelpCase cases[] = {
        {"Commands:\n  show FILE.sin [--json]\n      Prints the rows.\n", {"show FILE.sin [--json]"}},
        {"  write --port PORT\n      [--backup] [--verify]\n      Writes it.\n      --backup      reads first\n",
         {"write --port PORT [--backup] [--verify]"}},
        {"  import [IN.csv] [--stock NAME]\n      import --list-stock\n  new --output FILE.sin\n",
         {"import [IN.csv] [--stock NAME]", "new --output FILE.sin"}},
        {"Usage: hmprog-cli COMMAND [OPTIONS]\n\nExit status: 0 completed\n", {}},
    };
    for (const HelpCase& test : cases)
        EXPECT_EQ(helpSynopses(QLatin1String(test.help)), test.synopses) << test.help;
}

TEST(ManualAgreement, EveryCliSynopsisIsAHeadingOfItsManual)
{
    ASSERT_FALSE(InstalledPrefix().isEmpty()) << InstallLog().toStdString();
    const ToolRun help = RunTool(InstalledPrefix() + QStringLiteral("/bin/hmprog-cli"), {QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0);
    const QStringList synopses = helpSynopses(help.output);
    ASSERT_GE(synopses.size(), 9) << help.output.toStdString();

    // Wide enough that no heading wraps.
    const ToolRun manual = RenderManual(QStringLiteral("share/man/man1/hmprog-cli.1.gz"), 400);
    ASSERT_EQ(manual.exitCode, 0) << manual.errors.toStdString();
    const QStringList headings = manualHeadings(manual.output);
    for (const QString& synopsis : synopses)
        EXPECT_TRUE(headings.contains(synopsis)) << synopsis.toStdString() << "\nheadings:\n"
                                                 << headings.join(u'\n').toStdString();
}

// "hmprog-cli NAME --help" shows the synopsis that --help shows for NAME.
TEST(ManualAgreement, EverySubCommandsHelpShowsItsSynopsis)
{
    ASSERT_FALSE(InstalledPrefix().isEmpty()) << InstallLog().toStdString();
    const QString cli = InstalledPrefix() + QStringLiteral("/bin/hmprog-cli");
    const QStringList synopses = helpSynopses(RunTool(cli, {QStringLiteral("--help")}).output);
    ASSERT_FALSE(synopses.isEmpty());
    for (const QString& synopsis : synopses) {
        const QString name = synopsis.section(u' ', 0, 0);
        const ToolRun help = RunTool(cli, {name, QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0) << name.toStdString() << ": " << help.errors.toStdString();
        EXPECT_EQ(helpSynopses(help.output), QStringList{synopsis}) << help.output.toStdString();
    }
}

TEST(ManualAgreement, EveryTopLevelOptionOfTheCliIsInItsManual)
{
    ASSERT_FALSE(InstalledPrefix().isEmpty()) << InstallLog().toStdString();
    const ToolRun help = RunTool(InstalledPrefix() + QStringLiteral("/bin/hmprog-cli"), {QStringLiteral("--help")});
    const QString usage = help.output.section(QStringLiteral("\n\n"), 0, 0);
    ASSERT_TRUE(usage.startsWith(QStringLiteral("Usage:"))) << usage.toStdString();
    const QString manual = RenderManual(QStringLiteral("share/man/man1/hmprog-cli.1.gz"), 400).output;
    const QString synopsis = manual.section(QStringLiteral("\nDESCRIPTION\n"), 0, 0);
    for (const QString& option : options(usage))
        EXPECT_TRUE(options(synopsis).contains(option)) << option.toStdString();
}

// hmprog prints its usage on a line it does not understand; each option in
// it is in the manual's synopsis and described under OPTIONS.
TEST(ManualAgreement, EveryOptionOfTheDesktopProgramIsInItsManual)
{
    ASSERT_FALSE(InstalledPrefix().isEmpty()) << InstallLog().toStdString();
    QProcessEnvironment offscreen;
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ToolRun usage =
        RunTool(InstalledPrefix() + QStringLiteral("/bin/hmprog"), {QStringLiteral("--no-such-option")}, offscreen);
    ASSERT_EQ(usage.exitCode, 2);
    const QStringList usageOptions = options(usage.errors.section(QStringLiteral("usage:"), 1));
    ASSERT_GE(usageOptions.size(), 3) << usage.errors.toStdString();

    const QString manual = RenderManual(QStringLiteral("share/man/man1/hmprog.1.gz"), 400).output;
    const QString synopsis = manual.section(QStringLiteral("\nSYNOPSIS\n"), 1).section(QStringLiteral("\nDESCRIPTION\n"), 0, 0);
    const QString described = manual.section(QStringLiteral("\nOPTIONS\n"), 1).section(QRegularExpression(QStringLiteral("\n[A-Z]")), 0, 0);
    for (const QString& option : usageOptions) {
        EXPECT_TRUE(options(synopsis).contains(option)) << option.toStdString();
        EXPECT_TRUE(options(described).contains(option)) << option.toStdString();
    }
}

} // namespace
