// The main window in other palettes and fonts than the developer's: it takes
// the platform's colours, and its fixed-position form keeps every text whole.
// HMPROG_SCREENSHOTS=folder keeps a picture of each; with LC_ALL=de_DE.UTF-8
// and QT_SCALE_FACTOR=2 they show the German form at 200 %.

#include "clipped_texts.h"
#include "frame_fixture.h"

#include "app/find_cable_dialog.h"
#include "grid/ms_flex_grid.h"
#include "port/fake_port_system.h"
#include "translations/translations.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QListWidget>
#include <QPalette>
#include <QStyleFactory>

#include <functional>
#include <memory>

namespace {

// A dark palette as a dark desktop theme gives it.
QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(50, 50, 52));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(55, 55, 58));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    return dark;
}

QPalette LightPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

// The mean lightness of image, 0 to 255.
int MeanLightness(const QImage& image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += QColor(image.pixel(x, y)).lightness();
    }
    return static_cast<int>(sum / (qint64(image.width()) * image.height()));
}

struct Look {
    const char* name;
    std::function<QPalette()> palette;
    std::function<QFont()> font; // the program's font; the form keeps its own
    // Another font for the form itself, as where its own is missing; none
    // when the family is null.
    const char* formFamily = nullptr;
    int formPoints = 0;
};

const Look kLooks[] = {
    {"LightFusion", LightPalette, [] { return QFont(); }},
    {"DarkFusion", DarkPalette, [] { return QFont(); }},
    {"DarkLargeFont", DarkPalette, [] { return QFont(QStringLiteral("DejaVu Sans"), 16); }},
    {"WideFormFont", LightPalette, [] { return QFont(); }, "DejaVu Sans", 10},
    {"LargeFormFont", DarkPalette, [] { return QFont(); }, "DejaVu Serif", 14},
};

// The main window built with the look applied to the whole program first.
// In the user's language, so that LC_ALL=de_DE.UTF-8 looks at the German form.
class AppearanceTest : public testing::TestWithParam<Look> {
protected:
    static void SetUpTestSuite() { InstallTranslations(*qApp); }

    void SetUp() override
    {
        m_oldPalette = QApplication::palette();
        m_oldFont = QApplication::font();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(GetParam().palette());
        QApplication::setFont(GetParam().font());
        m_frame = std::make_unique<CMainFrame>(m_doc, m_docManager);
        m_docManager.SetFrame(m_frame.get());
        ASSERT_TRUE(m_docManager.OnFileNew());
        if (GetParam().formFamily)
            m_frame->GetActiveView()->setFont(
                QFont(QString::fromLatin1(GetParam().formFamily), GetParam().formPoints));
        m_frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
        m_frame->resize(m_frame->sizeHint().expandedTo(m_frame->size()));
        QApplication::processEvents();
    }

    void TearDown() override
    {
        m_frame.reset();
        QApplication::setPalette(m_oldPalette);
        QApplication::setFont(m_oldFont);
    }

    // HMPROG_SCREENSHOTS=folder keeps a picture of each look, to look at.
    void KeepScreenshot(const QImage& image, const char* what) const
    {
        const QString folder = qEnvironmentVariable("HMPROG_SCREENSHOTS");
        if (!folder.isEmpty())
            image.save(QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(GetParam().name, what)));
    }

    QPalette m_oldPalette;
    QFont m_oldFont;
    CProgramDoc m_doc;
    CRecentFileList m_recentFiles;
    ScriptedDocManager m_docManager{m_doc, m_recentFiles};
    std::unique_ptr<CMainFrame> m_frame;
};

TEST_P(AppearanceTest, GridTakesThePalettesBackground)
{
    CMSFlexGrid* grid = m_frame->findChild<CMSFlexGrid*>(QStringLiteral("grid"));
    ASSERT_NE(grid, nullptr);
    const QImage window = m_frame->grab().toImage();
    KeepScreenshot(window, "window");
    // The cells of the empty channels, away from the headings and the lines.
    const QImage cells = grid->viewport()->grab().toImage().copy(grid->columnViewportPosition(1) + 4,
                                                                 grid->rowViewportPosition(6) + 4, 40, 8);
    const int base = QApplication::palette().color(QPalette::Base).lightness();
    EXPECT_NEAR(MeanLightness(cells), base, 24);
}

TEST_P(AppearanceTest, FormTextsAreWhole)
{
    const QStringList clipped = ClippedTexts(*m_frame->GetActiveView());
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("\n")).toStdString();
}

// Find Cable with a cable this user may not open: the list takes the
// palette's background below its rows, and the texts stay whole.
TEST_P(AppearanceTest, FindCableTakesThePaletteAndKeepsItsTextsWhole)
{
    FakeTree tree;
    tree.AddUsb(QStringLiteral("1-2"), "1a86", "7523", "ch341", QStringLiteral("ttyUSB0"));
    FakePortSystem system(tree);
    system.nodes[tree.Dev(QStringLiteral("ttyUSB0"))] = {true, false, QStringLiteral("dialout"), true};
    CFindCableDialog dialog(system, m_frame.get());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_EQ(dialog.m_listDevices->count(), 1);
    KeepScreenshot(dialog.grab().toImage(), "find_cable");

    const QImage list = dialog.m_listDevices->viewport()->grab().toImage();
    const QImage belowRows = list.copy(4, list.height() - 12, 40, 8);
    const int base = QApplication::palette().color(QPalette::Base).lightness();
    EXPECT_NEAR(MeanLightness(belowRows), base, 24);
    const QStringList clipped = ClippedTexts(dialog);
    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QStringLiteral("\n")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Looks, AppearanceTest, testing::ValuesIn(kLooks),
                         [](const testing::TestParamInfo<Look>& info) { return info.param.name; });

} // namespace
