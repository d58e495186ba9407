// The program started in German (the test runs with LC_ALL=de_DE.UTF-8): the
// translation is picked from the locale, and the menus, the form and the
// texts the core hands over speak German, the form's texts whole.

#include "clipped_texts.h"
#include "frame_fixture.h"
#include "program_windows.h"

#include "editor/desktop_transfer_host.h"
#include "translations/translations.h"

#include <QMenuBar>

namespace {

class GermanTest : public FrameTest {
protected:
    static void SetUpTestSuite() { s_language = InstallTranslations(*qApp); }

    static QString s_language;
};

QString GermanTest::s_language;

TEST_F(GermanTest, TheLocalesTranslationIsLoaded)
{
    EXPECT_EQ(QLocale::system().language(), QLocale::German);
    EXPECT_TRUE(s_language.startsWith(QStringLiteral("de"))) << s_language.toStdString();
}

TEST_F(GermanTest, MenusAreTranslated)
{
    QStringList titles;
    for (QAction* menu : m_frame->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Programmieren"),
                                   QStringLiteral("Ans&chluss"), QStringLiteral("&Ansicht"), QStringLiteral("&Hilfe")}));
}

struct Shown {
    const char* objectName;
    const char* german;
};

TEST_F(GermanTest, CommandsAndFormAreTranslated)
{
    const Shown kCommands[] = {
        {"Read", "Lesen"}, {"Write", "Schreiben"}, {"Exit", "&Beenden"}, {"Save", "&Speichern"}};
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
        EXPECT_EQ(TransferText(english[i]), QString::fromUtf8(kCore[i].german)) << kCore[i].objectName;
}

TEST_F(GermanTest, LongerLabelsStayWhole)
{
    const QStringList clipped = ClippedTexts(View());
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("\n")).toStdString();
}

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
