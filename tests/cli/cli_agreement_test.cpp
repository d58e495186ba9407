// hmprog-cli show, new and resave against the desktop form on the same files.

#include "editor/program_view.h"

#include "grid/ms_flex_grid.h"
#include "document/channel_file.h"
#include "image/image_layout.h"
#include "document/program_doc.h"
#include "support/temp_files.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(HMPROG_CLI), args);
    CliRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The desktop program started on a file (or on File New), saving through the
// document as File Save does.
class DesktopProgram : public CProgramDocHost {
public:
    DesktopProgram() { m_doc.SetHost(this); }

    [[nodiscard]] bool open(const QString& path)
    {
        if (!m_doc.OnOpenDocument(path))
            return false;
        m_view.OnInitialUpdate();
        return true;
    }

    [[nodiscard]] bool fileNew()
    {
        if (!m_doc.OnNewDocument())
            return false;
        m_view.OnInitialUpdate();
        return true;
    }

    [[nodiscard]] bool save(const QString& path) { return m_doc.OnSaveDocument(path); }

    void StoreToImage() override { m_view.StoreToImage(); }
    void ReportFileError(const FileStatus& status) override { ADD_FAILURE() << status.text().toStdString(); }

    CProgramView& view() { return m_view; }

private:
    CProgramDoc m_doc;
    CProgramView m_view{&m_doc};
};

RadioImage resetWith(const std::function<void(RadioImage&)>& edit)
{
    RadioImage image;
    image.ResetToDefaults();
    edit(image);
    return image;
}

void putChannel(RadioImage& image, int n, std::initializer_list<std::uint8_t> bytes)
{
    std::copy(bytes.begin(), bytes.end(), image.channel(n).begin());
}

struct FileCase {
    const char* name;
    RadioImage image;
};

void PrintTo(const FileCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<FileCase> fileCases()
{
    std::vector<FileCase> cases;
    cases.push_back({"reset", resetWith([](RadioImage&) {})});
    cases.push_back({"three_channels", resetWith([](RadioImage& image) {
                         putChannel(image, 1, {0x00, 0x25, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x70,
                                               0x06, 0xF5, 0xFF, 0xFF, 0xFF});
                         putChannel(image, 2, {0x50, 0x12, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17, 0x23, 0x80, 0x54,
                                               0xC7, 0xEA, 0xFF, 0xFF, 0xFF});
                         putChannel(image, 16, {0x00, 0x20, 0x65, 0x14, 0x00, 0x20, 0x65, 0x00, 0x41, 0x25, 0x12,
                                                0xFF, 0x18, 0xFF, 0xFF, 0xFF});
                         image.setByte(layout::kPttIdCode, 'a');
                         image.setByte(layout::kPttIdCode + 1, '7');
                     })});
    cases.push_back({"uhf", resetWith([](RadioImage& image) {
                         image.setByte(layout::kModel, 0x38);
                         putChannel(image, 4, {0x50, 0x62, 0x25, 0x46, 0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF,
                                               0xFF, 0x1B, 0xFF, 0xFF, 0xFF});
                     })});
    cases.push_back({"unknown_model_and_out_of_list_settings", resetWith([](RadioImage& image) {
                         image.setByte(layout::kModel, 0x39);
                         image.setByte(layout::kBand, 0xEF);
                         image.setByte(layout::kSquelchLevel, 10);
                         image.setByte(layout::kTot, 0);
                         image.setByte(layout::kVox, 12);
                         image.setByte(layout::kFunctionBits, 0xFC);
                         for (std::size_t i = 0; i < 8; ++i)
                             image.setByte(layout::kPttIdCode + i, static_cast<std::uint8_t>("12345678"[i]));
                     })});
    for (unsigned seed : {7u, 8u}) {
        std::mt19937 random(seed);
        RadioImage image;
        for (std::size_t i = 0; i < RadioImage::kSize; ++i)
            image.setByte(i, static_cast<std::uint8_t>(random()));
        cases.push_back({seed == 7 ? "random_7" : "random_8", image});
    }
    return cases;
}

class CliAgreement : public ::testing::TestWithParam<FileCase> {
protected:
    QString writeImage(const QString& name)
    {
        const QString path = m_files.path(name);
        EXPECT_TRUE(SaveChannelFile(path, GetParam().image).ok());
        return path;
    }

    TempFiles m_files;
};

TEST_P(CliAgreement, ShowMatchesTheFormCellForCell)
{
    const QString path = writeImage("in.sin");
    const CliRun run = runCli({"show", path, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject shown = QJsonDocument::fromJson(run.out).object();

    DesktopProgram desktop;
    ASSERT_TRUE(desktop.open(path));
    CProgramView& view = desktop.view();

    const std::vector<std::pair<QString, QComboBox*>> combos = {
        {"Model", view.Combo(FormCombo::Model)},
        {"Frequency", view.Combo(FormCombo::Band)},
        {"Squelch Level", view.Combo(FormCombo::Squelch)},
        {"TOT", view.Combo(FormCombo::Tot)},
        {"Voice", view.Combo(FormCombo::Voice)},
        {"Beep", view.Combo(FormCombo::Beep)},
        {"Vox Switch", view.Combo(FormCombo::VoxSwitch)},
        {"Vox Gain Level", view.Combo(FormCombo::VoxGain)},
        {"Battery Saver", view.Combo(FormCombo::BatterySaver)}, {"PTT ID", view.Combo(FormCombo::PttId)},
    };
    const QJsonArray settings = shown["settings"].toArray();
    ASSERT_EQ(settings.size(), 11);
    for (int i = 0; i < 10; ++i) {
        const QJsonObject setting = settings[i].toObject();
        const auto& [label, combo] = combos[static_cast<std::size_t>(i)];
        SCOPED_TRACE(label.toStdString());
        EXPECT_EQ(setting["label"].toString(), label);
        EXPECT_EQ(setting["index"].toInt(), combo->currentIndex());
        EXPECT_EQ(setting["text"].toString(), combo->currentIndex() < 0 ? QString() : combo->currentText());
        EXPECT_EQ(setting["enabled"].toBool(), combo->isEnabled());
    }
    EXPECT_EQ(settings[10].toObject()["label"].toString(), "PTT ID Code");
    EXPECT_EQ(settings[10].toObject()["text"].toString(), view.PttIdCodeEdit()->text());

    const QJsonArray headings = shown["headings"].toArray();
    ASSERT_EQ(headings.size(), 9);
    for (long c = 0; c < 9; ++c)
        EXPECT_EQ(headings[static_cast<int>(c)].toString(), view.Grid()->GetTextMatrix(0, c));
    const QJsonArray rows = shown["rows"].toArray();
    ASSERT_EQ(rows.size(), 16);
    for (long r = 1; r <= 16; ++r) {
        const QJsonArray cells = rows[static_cast<int>(r - 1)].toArray();
        ASSERT_EQ(cells.size(), 9);
        for (long c = 0; c < 9; ++c)
            EXPECT_EQ(cells[static_cast<int>(c)].toString(), view.Grid()->GetTextMatrix(r, c)) << r << "," << c;
    }
}

// The table's cells line up under their headings.
TEST_P(CliAgreement, ShowTableColumnsLineUpWithTheForm)
{
    const QString path = writeImage("in.sin");
    const CliRun run = runCli({"show", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    DesktopProgram desktop;
    ASSERT_TRUE(desktop.open(path));
    CMSFlexGrid* grid = desktop.view().Grid();

    const QStringList lines = QString::fromUtf8(run.out).split('\n');
    const qsizetype header = lines.indexOf(QRegularExpression("CH +Rx Freq.*"));
    ASSERT_GE(header, 0);
    ASSERT_GE(lines.size(), header + 17);
    std::vector<qsizetype> starts;
    for (long c = 0; c < 9; ++c)
        starts.push_back(lines[header].indexOf(grid->GetTextMatrix(0, c)));
    for (long r = 1; r <= 16; ++r) {
        const QString& line = lines[header + r];
        for (std::size_t c = 0; c < 9; ++c) {
            const qsizetype end = c + 1 < 9 ? starts[c + 1] - starts[c] : -1;
            EXPECT_EQ(line.mid(starts[c], end).trimmed(), grid->GetTextMatrix(r, static_cast<long>(c)))
                << r << "," << c;
        }
    }
}

TEST_P(CliAgreement, ResaveWritesWhatTheDesktopSaves)
{
    const QString in = writeImage("in.sin");
    const CliRun run = runCli({"resave", in, m_files.path("cli.sin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    DesktopProgram desktop;
    ASSERT_TRUE(desktop.open(in));
    ASSERT_TRUE(desktop.save(m_files.path("desktop.sin")));
    const QByteArray cli = TempFiles::read(m_files.path("cli.sin"));
    EXPECT_EQ(cli.size(), 1024);
    EXPECT_EQ(cli, TempFiles::read(m_files.path("desktop.sin")));
}

INSTANTIATE_TEST_SUITE_P(Files, CliAgreement, ::testing::ValuesIn(fileCases()),
                         [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST(CliNew, WritesWhatFileNewThenSaveWrites)
{
    TempFiles files;
    const CliRun run = runCli({"new", "--output", files.path("cli.sin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    DesktopProgram desktop;
    ASSERT_TRUE(desktop.fileNew());
    ASSERT_TRUE(desktop.save(files.path("desktop.sin")));
    const QByteArray cli = TempFiles::read(files.path("cli.sin"));
    EXPECT_EQ(cli, TempFiles::read(files.path("desktop.sin")));
    ASSERT_EQ(cli.size(), 1024);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(static_cast<std::uint8_t>(cli[n * 16 + 12]), 0xE7) << n;
}

TEST(CliFormCommands, RefuseBadArgumentsAndUnreadableFiles)
{
    TempFiles files;
    const QString shortFile = files.write("short.sin", QByteArray(10, '\0'));
    const QString good = files.write("good.sin", QByteArray(1024, '\xFF'));
    struct Case {
        QStringList args;
        int exitCode;
    };
    const Case cases[] = {
        {{"show"}, 2},
        {{"show", good, "--xml"}, 2},
        {{"show", good, good}, 2},
        {{"show", files.path("missing.sin")}, 1},
        {{"show", shortFile}, 1},
        {{"show", good}, 0},
        {{"new"}, 2},
        {{"new", "--output"}, 2},
        {{"new", "--output", files.path("no/such/dir/x.sin")}, 1},
        {{"new", "--output=" + files.path("eq.sin")}, 0},
        {{"resave", good}, 2},
        {{"resave", shortFile, files.path("out.sin")}, 1},
        {{"resave", good, files.path("out.sin"), "extra"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        if (c.exitCode != 0) {
            EXPECT_FALSE(run.err.isEmpty());
        }
    }
    EXPECT_EQ(TempFiles::read(files.path("eq.sin")).size(), 1024);
    EXPECT_FALSE(QFile::exists(files.path("out.sin")));
}

} // namespace
