// The program started in German (the test runs with LC_ALL=de_DE.UTF-8): the
// translation is picked from the locale, and the menus, the form and the
// texts the core hands over speak German, the form's texts whole.

#include "clipped_texts.h"
#include "frame_fixture.h"
#include "mnemonic_clashes.h"
#include "program_windows.h"

#include "app/find_cable_dialog.h"
#include "app/program_title.h"
#include "document/core_text.h"
#include "editor/write_option_names.h"
#include "fleet/radio_data.h"
#include "form/form_step.h"
#include "form/write_verify.h"
#include "image/image_bytes.h"
#include "link/transfer_host.h"
#include "port/port_selection.h"
#include "port/trace_file.h"
#include "port/fake_port_system.h"
#include "translations/translations.h"

#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <functional>
#include <utility>

namespace {

class GermanTest : public FrameTest {
protected:
    static void SetUpTestSuite() { s_language = InstallTranslations(*qApp); }

    static QString s_language;
};

QString GermanTest::s_language;

// ctest starts this test with LC_ALL=de_DE.UTF-8 and LANGUAGE empty. Started
// by hand it needs the same: a LANGUAGE that names English first rightly keeps
// the program in English whatever LC_ALL says.
TEST_F(GermanTest, TheLocalesTranslationIsLoaded)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::German)
        << "start the test with LC_ALL=de_DE.UTF-8 and LANGUAGE empty, as ctest does (LANGUAGE="
        << qgetenv("LANGUAGE").toStdString() << ")";
    EXPECT_TRUE(s_language.startsWith(QStringLiteral("de"))) << s_language.toStdString();
}

TEST_F(GermanTest, MenusAreTranslated)
{
    QStringList titles;
    for (QAction* menu : m_frame->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles.join(u'|').toStdString(), "&Datei|&Bearbeiten|&Programmieren|Ans&chluss|&Ansicht|&Hilfe");
}

TEST_F(GermanTest, NoTwoMenusAndNoTwoItemsOfAMenuShareAMnemonic)
{
    const QStringList clashes = MnemonicClashes(*m_frame->menuBar());
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(u'\n').toStdString();
}

struct Shown {
    const char* objectName;
    const char* german;
};

TEST_F(GermanTest, CommandsAndFormAreTranslated)
{
    const Shown kCommands[] = {
        {"Read", "Lesen"},           {"Write", "Schreiben"},
        {"Exit", "&Beenden"},        {"Save", "&Speichern"},
        {"Undo", "Rückgängig"},      {"Paste", "&Einfügen"},
        {"Clear", "Kanal &leeren"},  {"Find Cable", "Kabel suchen…"},
        {"Check Cable", "Kabel prüfen…"},
    };
    QStringList texts;
    for (const QAction* action : m_frame->findChildren<QAction*>())
        texts << action->text().section(u'\t', 0, 0);
    for (const Shown& command : kCommands)
        EXPECT_TRUE(texts.contains(QString::fromUtf8(command.german))) << command.objectName;

    QStringList labels;
    for (const QLabel* label : View().findChildren<QLabel*>())
        labels << label->text();
    for (const char* german : {"Modell", "Frequenz", "VOX-Empfindlichkeit", "Kanal:"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(german))) << german;
}

TEST_F(GermanTest, CoreTextsAreTranslated)
{
    const Shown kCore[] = {
        {"open failed", "Der Anschluss ließ sich nicht öffnen"},
        {"retry", "Übertragungsfehler, bitte erneut versuchen."},
        {"verified", "Geprüft."},
    };
    const char* const english[] = {"Could not open the port", "Communication error, please try again.", "Verified."};
    for (std::size_t i = 0; i < std::size(kCore); ++i)
        EXPECT_EQ(CoreText(english[i]), QString::fromUtf8(kCore[i].german)) << kCore[i].objectName;
}

// Texts written once and shown by several windows keep the German they had
// in each: a text moved to another context needs its translation there too.
TEST_F(GermanTest, SharedTextsAreTranslated)
{
    const std::pair<QString, const char*> kShared[] = {
        {ProgramTitle(), "Programmiersoftware"},
        {CoreText(kVersionQuestion), "Bitte die richtige Softwareversion wählen."},
        {CoreText(kChannelFileOpenFailed), "Das Dokument ließ sich nicht öffnen."},
        {CoreText(kChannelFileSaveFailed), "Das Dokument ließ sich nicht speichern."},
        {CoreText(UiText{kChannelFileLength, {"a.sin", "5", "1024"}}), "a.sin ist 5 Bytes lang; eine Kanaldatei enthält 1024 Bytes."},
        {CoreText(kImportChannels), "Kanäle importieren"},
        {CoreText(kVerifyFailedAtBlocks), "Prüfung fehlgeschlagen bei Block%1"},
        {CoreText(kRadioDataKept), ", Daten des Funkgeräts behalten"},
        {TraceFailedText(QStringLiteral("t.txt")), "Das Protokoll t.txt ließ sich nicht schreiben"},
        {WriteOptionName(kBackUpBeforeWrite), "Vor dem Schreiben sichern"},
        {WriteOptionName(kPreviewBeforeWrite), "Vorschau vor dem Schreiben"},
        {WriteOptionName(kVerifyAfterWrite), "Nach dem Schreiben prüfen"},
        {QCoreApplication::translate("CMainFrame", kSimulatedRadio), "Simuliertes Funkgerät"},
    };
    for (const auto& [shown, german] : kShared)
        EXPECT_EQ(shown.toStdString(), german);
}

TEST_F(GermanTest, LongerLabelsStayWhole)
{
    const QStringList clipped = ClippedTexts(View());
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("\n")).toStdString();
}

// Find Cable's list and diagnosis, as a user with each kind of device meets them.
struct CableCase {
    const char* name;
    std::function<void(const FakeTree& tree, FakePortSystem& system)> plugIn;
    const char* row;        // the end of the selected device's row, after its path
    const char* diagnosis;  // part of what is said of it
};

const CableCase kCables[] = {
    {"nothing_plugged_in", [](const FakeTree&, FakePortSystem&) {}, nullptr,
     "Es ist kein serielles Gerät vorhanden. Stecken Sie das Kabel ein."},
    {"cable_that_opens",
     [](const FakeTree& tree, FakePortSystem&) {
         tree.AddUsb(QStringLiteral("1-2"), "1a86", "7523", "ch341", QStringLiteral("ttyUSB0"));
     },
     "\n    lässt sich öffnen", "Dieses Gerät lässt sich öffnen."},
    {"only_the_computers_own_port",
     [](const FakeTree& tree, FakePortSystem& system) {
         tree.write(QStringLiteral("dev/ttyS0"), {});
         system.library = {{QStringLiteral("ttyS0"), tree.Dev(QStringLiteral("ttyS0")), {}, {}, false}};
     },
     nullptr,
     "/dev/ttyS0 ist die eigene serielle Schnittstelle des Computers, kein Programmierkabel. Stecken Sie das Kabel "
     "ein: Es erscheint oben in dieser Liste."},
    {"cable_of_another_group",
     [](const FakeTree& tree, FakePortSystem& system) {
         tree.AddUsb(QStringLiteral("1-2"), "1a86", "7523", "ch341", QStringLiteral("ttyUSB0"));
         system.nodes[tree.Dev(QStringLiteral("ttyUSB0"))] = {true, false, QStringLiteral("dialout"), true};
     },
     ", Seriennummer A10K1234\n    lässt sich nicht öffnen",
     "Nur Mitglieder der Gruppe „dialout“ dürfen das Gerät benutzen, und Sie sind keines."},
    {"adapter_without_driver",
     [](const FakeTree& tree, FakePortSystem&) { tree.AddUsb(QStringLiteral("3-1"), "067b", "2303", ""); },
     "\n    nicht verwendbar", "Kein Treiber hat den Adapter übernommen: Das Kernelmodul pl2303 fehlt"},
};

void PrintTo(const CableCase& c, std::ostream* out) { *out << c.name; }

class GermanCableTest : public GermanTest, public testing::WithParamInterface<CableCase> {};

TEST_P(GermanCableTest, IsDiagnosedInGerman)
{
    FakeTree tree;
    FakePortSystem system(tree);
    GetParam().plugIn(tree, system);
    CFindCableDialog dialog(system, m_frame.get());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    EXPECT_EQ(dialog.windowTitle(), "Kabel suchen");
    const QList<QListWidgetItem*> items = dialog.m_listDevices->selectedItems();
    const QListWidgetItem* selected = items.isEmpty() ? nullptr : items.front();
    if (GetParam().row) {
        ASSERT_NE(selected, nullptr);
        EXPECT_TRUE(selected->text().endsWith(QString::fromUtf8(GetParam().row))) << selected->text().toStdString();
    } else {
        EXPECT_EQ(selected, nullptr);
    }
    const QString diagnosis = dialog.m_editDiagnosis->toPlainText();
    EXPECT_TRUE(diagnosis.contains(QString::fromUtf8(GetParam().diagnosis))) << diagnosis.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cables, GermanCableTest, testing::ValuesIn(kCables),
                         [](const testing::TestParamInfo<CableCase>& info) { return info.param.name; });

// The dialogs have fixed places for their texts: the German ones fit too.
class GermanWindowTest : public GermanTest, public testing::WithParamInterface<WindowCase> {};

TEST_P(GermanWindowTest, TextsStayWhole)
{
    bool looked = false;
    GetParam().open(*m_frame, [&looked](QWidget& window) {
        looked = true;
        const QStringList clipped = ClippedTexts(window);
        EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("\n")).toStdString();
    });
    EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(Windows, GermanWindowTest, testing::ValuesIn(kProgramWindows),
                         [](const testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

} // namespace
