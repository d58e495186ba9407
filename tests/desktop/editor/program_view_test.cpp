#include "editor/program_view.h"

#include "form/form_contents.h"
#include "grid/ms_flex_grid.h"
#include "document/program_doc.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A desktop form on a new document, shown in its own active window.
class ProgramViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_doc.OnNewDocument());
        m_view.OnInitialUpdate();
        m_view.resize(m_view.sizeHint());
        m_view.show();
        QApplication::setActiveWindow(&m_view);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_view));
    }

    std::vector<QComboBox*> settingCombos() const
    {
        return {m_view.Combo(FormCombo::Model),        m_view.Combo(FormCombo::Band),
                m_view.Combo(FormCombo::Squelch),      m_view.Combo(FormCombo::Tot),
                m_view.Combo(FormCombo::Voice),        m_view.Combo(FormCombo::Beep),
                m_view.Combo(FormCombo::VoxSwitch),    m_view.Combo(FormCombo::VoxGain),
                m_view.Combo(FormCombo::BatterySaver), m_view.Combo(FormCombo::PttId)};
    }

    CProgramDoc m_doc;
    CProgramView m_view{&m_doc};
};

TEST_F(ProgramViewTest, FileNewTwiceKeepsTheListsAndTheGrid)
{
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(m_doc.OnNewDocument());
        m_view.OnInitialUpdate();
    }
    EXPECT_EQ(m_view.Combo(FormCombo::VoxGain)->count(), 9);
    EXPECT_EQ(m_view.CellToneEdit()->count(), 261);
    EXPECT_EQ(m_view.ToneList().size(), 261);
    EXPECT_EQ(m_view.Grid()->GetRows(), 17);
    EXPECT_EQ(m_view.Grid()->GetCols(), 9);
    const QStringList headings = {"CH",      "Rx Freq", "Tx Freq", "Rx Tone",  "Tx Tone",
                                  "Busy",    "Power",   "Bandwidth", "Scan"};
    for (long c = 0; c < 9; ++c)
        EXPECT_EQ(m_view.Grid()->GetTextMatrix(0, c), headings[static_cast<int>(c)]);
    for (long r = 1; r < 17; ++r)
        EXPECT_EQ(m_view.Grid()->GetTextMatrix(r, 0), QString::number(r));
    EXPECT_EQ(m_view.Combo(FormCombo::VoxGain)->itemText(0), "1");
    EXPECT_EQ(m_view.Combo(FormCombo::VoxGain)->itemText(8), "9");
    EXPECT_EQ(m_view.CellToneEdit()->itemText(0), "Off");
    EXPECT_EQ(m_view.CellToneEdit()->itemText(260), "D754I");
}

TEST_F(ProgramViewTest, ColumnWidthsAreFactorsOfTheDefaultWidth)
{
    const long w = CMSFlexGrid().GetColWidth(0);
    const double factors[] = {0.5, 1.2, 1.2, 1.3, 1.3, 1.2, 1.0, 1.0, 1.0};
    for (long c = 0; c < 9; ++c)
        EXPECT_EQ(m_view.Grid()->GetColWidth(c), static_cast<long>(w * factors[c])) << c;
    if (w == 960) {
        const long expected[] = {480, 1152, 1152, 1248, 1248, 1152, 960, 960, 960};
        for (long c = 0; c < 9; ++c)
            EXPECT_EQ(m_view.Grid()->GetColWidth(c), expected[c]) << c;
    }
}

TEST_F(ProgramViewTest, GridCellsAreCentredInBoldNinePointSerif)
{
    const QFontInfo info(m_view.Grid()->font());
    EXPECT_TRUE(info.family() == "Times New Roman" || info.family() == "Liberation Serif")
        << info.family().toStdString();
    EXPECT_TRUE(info.bold());
    EXPECT_EQ(info.pointSize(), 9);
    m_view.Grid()->SetTextMatrix(3, 5, "Carrier");
    EXPECT_EQ(Qt::Alignment(m_view.Grid()->item(2, 4)->textAlignment()), Qt::AlignCenter);
    EXPECT_EQ(Qt::Alignment(m_view.Grid()->horizontalHeaderItem(7)->textAlignment()), Qt::AlignCenter);
}

TEST_F(ProgramViewTest, DeleteAndAddLeaveTheFocusOnTheGridAtTheSameRow)
{
    for (QPushButton* button : {m_view.DeleteButton(), m_view.AddButton()}) {
        SCOPED_TRACE(button->text().toStdString());
        m_view.Grid()->SetRow(6);
        m_view.Grid()->SetCol(4);
        m_view.PttIdCodeEdit()->setFocus();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(m_view.Grid()->hasFocus());
        EXPECT_EQ(m_view.Grid()->GetRow(), 6);
        EXPECT_EQ(m_view.Grid()->GetCol(), 4);
    }
}

TEST_F(ProgramViewTest, PttIdCodeTakesEightCharactersInUpperCase)
{
    struct Case {
        const char* typed;
        QString shown;
    };
    const Case cases[] = {{"abc123xyz9", "ABC123XY"}, {"12*#", "12*#"}, {"dtmf", "DTMF"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        m_view.PttIdCodeEdit()->clear();
        m_view.PttIdCodeEdit()->setFocus();
        QTest::keyClicks(m_view.PttIdCodeEdit(), c.typed);
        EXPECT_EQ(m_view.PttIdCodeEdit()->text(), c.shown);
    }
}

// A screen reader says the label of a setting, then the item it shows.
TEST_F(ProgramViewTest, SettingsAreNamedByTheirLabelsAndValuedByTheirItems)
{
    const char* const labels[] = {"Model", "Frequency",  "Squelch Level",  "TOT",          "Voice",
                                  "Beep",  "Vox Switch", "Vox Gain Level", "Battery Saver", "PTT ID"};
    const std::vector<QComboBox*> combos = settingCombos();
    ASSERT_EQ(combos.size(), std::size(labels));
    for (std::size_t i = 0; i < combos.size(); ++i) {
        SCOPED_TRACE(labels[i]);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(combos[i]);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->role(), QAccessible::ComboBox);
        EXPECT_EQ(reader->text(QAccessible::Name), labels[i]);
        EXPECT_EQ(reader->text(QAccessible::Value), combos[i]->currentText());
    }
    m_view.Combo(FormCombo::Squelch)->setCurrentIndex(7);
    QAccessibleInterface* squelch = QAccessible::queryAccessibleInterface(m_view.Combo(FormCombo::Squelch));
    EXPECT_EQ(squelch->text(QAccessible::Name), "Squelch Level");
    EXPECT_EQ(squelch->text(QAccessible::Value), "7");
}

TEST_F(ProgramViewTest, ControlsAreDropDownListsAndTheEditorsWaitHidden)
{
    for (QComboBox* combo : settingCombos()) {
        SCOPED_TRACE(combo->objectName().toStdString());
        EXPECT_FALSE(combo->isEditable());
        EXPECT_TRUE(combo->isVisible());
        EXPECT_FALSE(combo->accessibleName().isEmpty());
    }
    EXPECT_FALSE(m_view.CellEdit()->isVisible());
    EXPECT_FALSE(m_view.CellToneEdit()->isVisible());
    EXPECT_FALSE(m_view.CellOptionEdit()->isVisible());
    EXPECT_TRUE(m_view.CellToneEdit()->isEditable());
    EXPECT_FALSE(m_view.CellOptionEdit()->isEditable());
}

TEST_F(ProgramViewTest, TabOrderFollowsTheForm)
{
    const std::vector<QWidget*> order = {
        m_view.Combo(FormCombo::Model),        m_view.Combo(FormCombo::Band),
        m_view.Combo(FormCombo::Squelch),      m_view.Combo(FormCombo::Tot),
        m_view.Combo(FormCombo::Voice),        m_view.Combo(FormCombo::Beep),
        m_view.Combo(FormCombo::VoxSwitch),    m_view.Combo(FormCombo::VoxGain),
        m_view.Combo(FormCombo::BatterySaver), m_view.Combo(FormCombo::PttId),
        m_view.PttIdCodeEdit(),                m_view.DeleteButton(),
        m_view.AddButton(),                    m_view.Grid(),
    };
    m_view.Combo(FormCombo::VoxGain)->setEnabled(true);
    m_view.Combo(FormCombo::Model)->setFocus();
    for (std::size_t i = 1; i < order.size(); ++i) {
        SCOPED_TRACE(i);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << QApplication::focusWidget()->objectName().toStdString();
    }
}

// ---- the form's look

QRect rectIn(const QWidget* widget, const QWidget* ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

TEST_F(ProgramViewTest, LabelsAreRightAlignedCentredAndUnclipped)
{
    const QList<QLabel*> labels = m_view.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 12);
    for (const QLabel* label : labels) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_EQ(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_GE(label->height(), label->fontMetrics().height());
        if (const QWidget* buddy = label->buddy()) {
            const QRect l = rectIn(label, &m_view);
            const QRect b = rectIn(buddy, &m_view);
            EXPECT_LE(std::abs(l.center().y() - b.center().y()), 1);
            EXPECT_LE(l.right(), b.left());
            EXPECT_GE(l.right() + 12, b.left());
        }
    }
}

TEST_F(ProgramViewTest, SettingsSitInThreeRowsOfTheTemplatesColumns)
{
    const std::vector<std::vector<QWidget*>> rows = {
        {m_view.Combo(FormCombo::Model), m_view.Combo(FormCombo::Band), m_view.Combo(FormCombo::Squelch),
         m_view.Combo(FormCombo::Tot)},
        {m_view.Combo(FormCombo::Voice), m_view.Combo(FormCombo::Beep), m_view.Combo(FormCombo::VoxSwitch),
         m_view.Combo(FormCombo::VoxGain)},
        {m_view.Combo(FormCombo::BatterySaver), m_view.Combo(FormCombo::PttId), m_view.PttIdCodeEdit()},
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            SCOPED_TRACE(testing::Message() << r << "," << c);
            const QRect here = rectIn(rows[r][c], &m_view);
            const QRect top = rectIn(rows[0][c], &m_view);
            EXPECT_EQ(here.left(), top.left());
            EXPECT_EQ(here.top(), rectIn(rows[r][0], &m_view).top());
            if (c > 0) {
                EXPECT_GT(here.left(), rectIn(rows[r][c - 1], &m_view).right());
            }
            if (r > 0) {
                EXPECT_GT(here.top(), rectIn(rows[r - 1][c], &m_view).bottom());
            }
        }
    }
    // Group, then the Channel row, then the grid.
    const QRect group = rectIn(m_view.SettingGroup(), &m_view);
    const QRect del = rectIn(m_view.DeleteButton(), &m_view);
    const QRect add = rectIn(m_view.AddButton(), &m_view);
    const QRect grid = rectIn(m_view.Grid(), &m_view);
    EXPECT_GT(del.top(), group.bottom());
    EXPECT_EQ(del.top(), add.top());
    EXPECT_GT(add.left(), del.right());
    EXPECT_GT(grid.top(), del.bottom());
    EXPECT_EQ(grid.left(), group.left());
    EXPECT_EQ(grid.width(), group.width());
}

TEST_F(ProgramViewTest, CombosShowTheirLongestItem)
{
    for (QComboBox* combo : settingCombos()) {
        SCOPED_TRACE(combo->objectName().toStdString());
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
        // Room for the arrow and the frame besides the text.
        EXPECT_GE(combo->width(), widest + 24);
    }
}

TEST_F(ProgramViewTest, GridShowsEveryCellWithoutScrollingOrClipping)
{
    CMSFlexGrid* grid = m_view.Grid();
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    EXPECT_LE(grid->rowViewportPosition(15) + grid->rowHeight(15), grid->viewport()->height());
    EXPECT_LE(grid->columnViewportPosition(7) + grid->columnWidth(7), grid->viewport()->width());

    const QFontMetrics metrics(grid->font());
    const QStringList widest[9] = {
        {"CH", "16"},
        {"Rx Freq", "145.52500", "462.56250"},
        {"Tx Freq", "145.52500", "462.56250"},
        {"Rx Tone", "D754I", "254.1"},
        {"Tx Tone", "D754I", "254.1"},
        {"Busy", "QT/DQT", "Carrier"},
        {"Power", "High", "Low"},
        {"Bandwidth", "Narrow", "Wide"},
        {"Scan", "Add", "Del"},
    };
    for (long c = 0; c < 9; ++c) {
        for (const QString& text : widest[c]) {
            SCOPED_TRACE(text.toStdString());
            EXPECT_LE(metrics.horizontalAdvance(text) + 4, grid->TwipsToPixelsX(grid->GetColWidth(c)));
        }
    }
    EXPECT_GE(grid->TwipsToPixelsY(grid->GetRowHeight(1)), metrics.height());
}

// Set HMPROG_SCREENSHOT to a file name to look at the form with a few channels.
TEST_F(ProgramViewTest, FormWithChannelsRendersAtItsSize)
{
    const std::uint8_t channels[][16] = {
        {0x00, 0x25, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x06, 0xF5, 0xFF, 0xFF, 0xFF},
        {0x50, 0x12, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17, 0x23, 0x80, 0x54, 0xC7, 0xEA, 0xFF, 0xFF, 0xFF},
        {0x00, 0x20, 0x65, 0x14, 0x00, 0x20, 0x65, 0x14, 0x41, 0x25, 0xFF, 0xFF, 0xFB, 0xFF, 0xFF, 0xFF},
    };
    for (int n = 0; n < 3; ++n)
        std::copy(std::begin(channels[n]), std::end(channels[n]), m_doc.m_image.channel(n + 1).begin());
    m_doc.m_image.setByte(0x3B0, '7');
    m_doc.m_image.setByte(0x3B1, '0');
    m_view.OnInitialUpdate();
    EXPECT_EQ(m_view.Grid()->GetTextMatrix(2, 4), "D754I");

    const QPixmap shot = m_view.grab();
    EXPECT_EQ(shot.size(), m_view.size() * shot.devicePixelRatio());
    EXPECT_GE(m_view.width(), m_view.Grid()->width());
    const QByteArray path = qgetenv("HMPROG_SCREENSHOT");
    if (!path.isEmpty()) {
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(path)));
    }
}

} // namespace
