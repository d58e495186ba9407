// `cmake --install` into a temporary prefix, and every installed file
// checked with the tool the desktop reads it with.

#include "installed_tree.h"
#include "udev_rule_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QString kAppId = QStringLiteral("org.hmprog.hmprog");
const QString kChannelFileType = QStringLiteral("application/x-hmprog-channels");

QString installed(const QString& relativePath)
{
    return InstalledPrefix() + QLatin1Char('/') + relativePath;
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Empty when the file is well-formed XML whose root element is rootName.
QString xmlFault(const QString& path, const QString& rootName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read");
    QXmlStreamReader xml(&file);
    QString root;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && root.isEmpty())
            root = xml.name().toString();
    }
    if (xml.hasError())
        return QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return root == rootName ? QString() : QStringLiteral("root element is <%1>").arg(root);
}

// Values of "Key=" lines of a desktop entry.
QString desktopValue(const QString& entry, const QString& key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

void CheckProgram(const QString& path)
{
    EXPECT_TRUE(QFileInfo(path).isExecutable()) << path.toStdString();
    const ToolRun run = RunTool(path, {QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.output, QFileInfo(path).fileName() + QStringLiteral(" " HMPROG_EXPECTED_VERSION "\n"));
}

void CheckDesktopEntry(const QString& path)
{
    const ToolRun validate = RunTool(QStringLiteral("desktop-file-validate"), {path});
    EXPECT_EQ(validate.exitCode, 0) << validate.errors.toStdString();
    EXPECT_EQ(validate.output + validate.errors, QString()) << "no warnings nor hints";

    const QString entry = readText(path);
    EXPECT_TRUE(desktopValue(entry, QStringLiteral("Categories")).split(u';').contains(QStringLiteral("HamRadio")));
    EXPECT_TRUE(desktopValue(entry, QStringLiteral("MimeType")).split(u';').contains(kChannelFileType));
    EXPECT_EQ(desktopValue(entry, QStringLiteral("Exec")), QStringLiteral("hmprog %f"));
    EXPECT_EQ(desktopValue(entry, QStringLiteral("Icon")), kAppId);
}

void CheckMetainfo(const QString& path)
{
    const ToolRun validate = RunTool(QStringLiteral("appstreamcli"), {QStringLiteral("validate"),
                                                                       QStringLiteral("--no-net"), path});
    EXPECT_EQ(validate.exitCode, 0) << (validate.output + validate.errors).toStdString();

    const QString info = readText(path);
    EXPECT_TRUE(info.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(kAppId)));
    EXPECT_TRUE(info.contains(QStringLiteral("<release version=\"" HMPROG_EXPECTED_VERSION "\"")));

    // The picture the entry names is the one taken of the window, at the
    // size the entry gives.
    const QRegularExpression image(QStringLiteral(R"re(<image type="source" width="(\d+)" height="(\d+)">[^<]*/screenshots/([^<]+)</image>)re"));
    const QRegularExpressionMatch named = image.match(info);
    ASSERT_TRUE(named.hasMatch()) << info.toStdString();
    const QImage screenshot(QStringLiteral(HMPROG_SOURCE_DIR "/packaging/screenshots/") + named.captured(3));
    ASSERT_FALSE(screenshot.isNull()) << named.captured(3).toStdString();
    EXPECT_EQ(screenshot.width(), named.captured(1).toInt());
    EXPECT_EQ(screenshot.height(), named.captured(2).toInt());
}

void CheckScalableIcon(const QString& path)
{
    EXPECT_EQ(xmlFault(path, QStringLiteral("svg")), QString());
}

void CheckIconOfItsSize(const QString& path)
{
    // share/icons/hicolor/48x48/apps/NAME.png
    const int size = path.section(u'/', -3, -3).section(u'x', 0, 0).toInt();
    const QImage icon(path);
    ASSERT_FALSE(icon.isNull()) << path.toStdString();
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());
}

// The type database built from the installed XML alone, as
// update-mime-database builds the system's: a .sin file is a channel file.
void CheckChannelFileType(const QString& path)
{
    EXPECT_EQ(xmlFault(path, QStringLiteral("mime-info")), QString());
    QTemporaryDir dataHome;
    const QDir mimeDir(dataHome.filePath(QStringLiteral("mime")));
    ASSERT_TRUE(mimeDir.mkpath(QStringLiteral("packages")));
    ASSERT_TRUE(QFile::copy(path, mimeDir.filePath(QStringLiteral("packages/") + QFileInfo(path).fileName())));
    // A database outside the data folders gets a note on standard error.
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
    const ToolRun update = RunTool(QStringLiteral("update-mime-database"), {mimeDir.path()}, env);
    ASSERT_EQ(update.exitCode, 0) << update.errors.toStdString();
    EXPECT_EQ(update.errors, QString());
    EXPECT_TRUE(readText(mimeDir.filePath(QStringLiteral("globs2")))
                    .contains(QStringLiteral(":%1:*.sin").arg(kChannelFileType)));
    const QString typeXml = readText(mimeDir.filePath(kChannelFileType + QStringLiteral(".xml")));
    EXPECT_TRUE(typeXml.contains(QStringLiteral("<comment>Radio channel file</comment>"))) << typeXml.toStdString();
}

void CheckManual(const QString& path)
{
    const QString relative = QDir(InstalledPrefix()).relativeFilePath(path);
    const ToolRun man = RenderManual(relative, 80);
    EXPECT_EQ(man.exitCode, 0);
    EXPECT_EQ(man.errors, QString()) << "groff's warnings";
    const QString name = QFileInfo(path).fileName().section(u'.', 0, 0);
    EXPECT_TRUE(man.output.simplified().contains(QStringLiteral("NAME %1 - ").arg(name))) << man.output.toStdString();
    EXPECT_TRUE(man.output.contains(QStringLiteral("hmprog " HMPROG_EXPECTED_VERSION))) << "the version in the footer";
    for (const QString& line : man.output.split(u'\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
}

// Every cable rule gives the seat access and keeps ModemManager off, and the
// four makers of the common adapters are there.
void CheckCableRule(const QString& path)
{
    const QString rules = readText(path);
    EXPECT_EQ(UdevRuleFaults(rules), QStringList());
    const ToolRun verify = RunTool(QStringLiteral("udevadm"), {QStringLiteral("verify"), path});
    // Where udevadm can verify rules it has the last word.
    if (verify.exitCode != -1 && !verify.errors.contains(QStringLiteral("Unknown command"))) {
        EXPECT_EQ(verify.exitCode, 0) << verify.errors.toStdString();
    }

    const QRegularExpression cable(QStringLiteral(R"re(^ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="[0-9a-f]{4}", (.*)$)re"),
                                   QRegularExpression::MultilineOption);
    QStringList vendors;
    for (const QRegularExpressionMatch& rule : cable.globalMatch(rules)) {
        vendors << rule.captured(1);
        EXPECT_EQ(rule.captured(2), QStringLiteral(R"(TAG+="uaccess", ENV{ID_MM_DEVICE_IGNORE}="1")"));
    }
    for (const char* vendor : {"067b", "1a86", "0403", "10c4"})
        EXPECT_TRUE(vendors.contains(QLatin1String(vendor))) << vendor;
}

struct InstalledFile {
    const char* path;
    void (*check)(const QString& path);
};

const InstalledFile kInstalledFiles[] = {
    {"bin/hmprog", CheckProgram},
    {"bin/hmprog-cli", CheckProgram},
    {"share/applications/org.hmprog.hmprog.desktop", CheckDesktopEntry},
    {"share/metainfo/org.hmprog.hmprog.metainfo.xml", CheckMetainfo},
    {"share/icons/hicolor/scalable/apps/org.hmprog.hmprog.svg", CheckScalableIcon},
    {"share/icons/hicolor/48x48/apps/org.hmprog.hmprog.png", CheckIconOfItsSize},
    {"share/icons/hicolor/256x256/apps/org.hmprog.hmprog.png", CheckIconOfItsSize},
    {"share/mime/packages/org.hmprog.hmprog.xml", CheckChannelFileType},
    {"share/man/man1/hmprog.1.gz", CheckManual},
    {"share/man/man1/hmprog-cli.1.gz", CheckManual},
    {"lib/udev/rules.d/70-hmprog-cables.rules", CheckCableRule},
};

void PrintTo(const InstalledFile& file, std::ostream* out)
{
    *out << file.path;
}

class InstalledFileTest : public testing::TestWithParam<InstalledFile> {};

TEST_P(InstalledFileTest, PassesTheChecksOfItsKind)
{
    ASSERT_FALSE(InstalledPrefix().isEmpty()) << InstallLog().toStdString();
    const QString path = installed(QLatin1String(GetParam().path));
    ASSERT_TRUE(QFileInfo::exists(path)) << GetParam().path;
    GetParam().check(path);
}

INSTANTIATE_TEST_SUITE_P(Install, InstalledFileTest, testing::ValuesIn(kInstalledFiles),
                         [](const testing::TestParamInfo<InstalledFile>& info) {
                             return QString::fromLatin1(info.param.path)
                                 .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"))
                                 .toStdString();
                         });

TEST(Install, PutsNothingElse)
{
    ASSERT_FALSE(InstalledPrefix().isEmpty()) << InstallLog().toStdString();
    QStringList expected;
    for (const InstalledFile& file : kInstalledFiles)
        expected << QLatin1String(file.path);
    expected.sort();
    EXPECT_EQ(InstalledFiles(), expected);
}

} // namespace
