// Opening the editors, moving through the table, the mouse and the wheel,
// and a whole channel typed with the keyboard and saved.

#include "cell_editing_fixture.h"

#include "document/file_status.h"

#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <array>

namespace {

// ---- a channel not in use starts at its receive frequency

enum class Opener { Digit, Enter, LeftPress };

struct UnusedCase {
    Opener opener;
    long col;
};

class UnusedChannel : public CellEditingTest, public ::testing::WithParamInterface<UnusedCase> {};

TEST_P(UnusedChannel, AnyCellOpensTheReceiveFrequency)
{
    const UnusedCase& c = GetParam();
    pickCell(5, c.col);
    switch (c.opener) {
    case Opener::Digit:
        key('1');
        break;
    case Opener::Enter:
        key(Qt::Key_Return);
        break;
    case Opener::LeftPress:
        click(5, c.col);
        break;
    }

    QLineEdit* edit = m_view->CellEdit();
    ASSERT_TRUE(edit->isVisible());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(currentCell(), std::pair(5L, 1L));
    EXPECT_EQ(edit->geometry(), cellRectInView(5, 1));
    saveShot(QStringLiteral("frequency-editor-col%1").arg(c.col));
    if (c.opener == Opener::Digit) {
        EXPECT_EQ(edit->text(), "1");
        EXPECT_EQ(edit->cursorPosition(), 1);
        EXPECT_FALSE(edit->hasSelectedText());
        type("46.52");
    } else {
        EXPECT_EQ(edit->text(), "");
        type("146.52");
    }
    key(Qt::Key_Return);

    const std::vector<QString> created = {"146.52000", "146.52000", "Off", "Off", "Off", "High", "Wide", "Add"};
    EXPECT_EQ(row(5), created);
    EXPECT_EQ(currentCell(), std::pair(5L, 2L));
    EXPECT_EQ(focus(), grid());
}

INSTANTIATE_TEST_SUITE_P(
    Columns, UnusedChannel,
    ::testing::Values(UnusedCase{Opener::Digit, 1}, UnusedCase{Opener::Digit, 2}, UnusedCase{Opener::Digit, 4},
                      UnusedCase{Opener::Digit, 8}, UnusedCase{Opener::Enter, 1}, UnusedCase{Opener::Enter, 6},
                      UnusedCase{Opener::LeftPress, 3}, UnusedCase{Opener::LeftPress, 7}));

TEST_F(CellEditingTest, OnlyDigitsOpenTheFrequencyEditorFromTheGrid)
{
    setRow(2, kChannel150);
    const struct {
        long col;
        char typed;
        bool opens;
    } cases[] = {{1, '7', true}, {2, '0', true}, {1, '.', false}, {2, 'x', false}, {3, '5', false}, {8, '1', false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.col << " " << c.typed);
        pickCell(2, c.col);
        key(c.typed);
        EXPECT_EQ(m_view->CellEdit()->isVisible(), c.opens);
        if (c.opens) {
            EXPECT_EQ(m_view->CellEdit()->text(), QString(QChar(c.typed)));
        }
        EXPECT_FALSE(m_view->CellToneEdit()->isVisible() || m_view->CellOptionEdit()->isVisible());
        grid()->setFocus();
        settle();
    }
}

// ---- moving through the table

struct MoveCase {
    long row;
    long col;
    Qt::Key key;
    long toRow;
    long toCol;
};

class GridMove : public CellEditingTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(GridMove, RightAndLeftWrapBetweenChannels)
{
    const MoveCase& c = GetParam();
    pickCell(c.row, c.col);
    key(c.key);
    EXPECT_EQ(currentCell(), std::pair(c.toRow, c.toCol));
}

INSTANTIATE_TEST_SUITE_P(Keys, GridMove,
                         ::testing::Values(MoveCase{5, 8, Qt::Key_Right, 6, 1}, MoveCase{16, 8, Qt::Key_Right, 16, 8},
                                           MoveCase{6, 1, Qt::Key_Left, 5, 8}, MoveCase{1, 1, Qt::Key_Left, 1, 1},
                                           MoveCase{5, 4, Qt::Key_Right, 5, 5}, MoveCase{5, 4, Qt::Key_Left, 5, 3}));

// The value lands in the cell that was being edited, before the press moves
// the current cell, whatever ends the edit.
TEST_F(CellEditingTest, LeavingAnEditorStoresIntoTheEditedCell)
{
    const struct {
        const char* name;
        void (*leave)(CellEditingTest& t);
        std::pair<long, long> then;
    } cases[] = {
        {"press on another cell", [](CellEditingTest& t) { t.click(7, 4); }, {7, 4}},
        {"tab", [](CellEditingTest& t) { t.key(Qt::Key_Tab); }, {3, 1}},
        {"press on Add", [](CellEditingTest& t) { QTest::mouseClick(t.m_view->AddButton(), Qt::LeftButton); }, {3, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setRow(3, kChannel150);
        setRow(7, kChannel150);
        pickCell(3, 1);
        key(Qt::Key_Return);
        type("146.5");
        c.leave(*this);
        EXPECT_FALSE(m_view->CellEdit()->isVisible());
        // Add inserts an empty channel at the row: the stored one moves down.
        const long stored = std::string(c.name) == "press on Add" ? 4 : 3;
        EXPECT_EQ(grid()->GetTextMatrix(stored, 1), "146.50000");
        EXPECT_EQ(grid()->GetTextMatrix(stored, 2), "151.00000");
        EXPECT_EQ(currentCell(), c.then);
        grid()->setFocus();
        settle();
        for (long r = 1; r <= 16; ++r)
            setRow(r, std::vector<QString>(8));
    }
}

TEST_F(CellEditingTest, PressesOnChannelNumbersPickTheRowAndOpenNothing)
{
    setRow(4, kChannel150);
    const QHeaderView* numbers = grid()->verticalHeader();
    const int y = numbers->sectionViewportPosition(3) + numbers->sectionSize(3) / 2;
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(numbers->width() / 2, y));
    settle();
    EXPECT_EQ(grid()->GetHighLight(), 2);
    EXPECT_EQ(grid()->GetRow(), 4);
    EXPECT_FALSE(m_view->CellEdit()->isVisible() || m_view->CellToneEdit()->isVisible() ||
                 m_view->CellOptionEdit()->isVisible());

    click(4, 6);
    EXPECT_EQ(grid()->GetHighLight(), 0);
    EXPECT_TRUE(m_view->CellOptionEdit()->isVisible());
    // Only the left button opens an editor.
    grid()->setFocus();
    settle();
    click(4, 3, Qt::RightButton);
    click(4, 1, Qt::MiddleButton);
    EXPECT_FALSE(m_view->CellToneEdit()->isVisible() || m_view->CellEdit()->isVisible());
}

// ---- right presses in edit fields

TEST_F(CellEditingTest, RightPressesInEditFieldsHaveNoEffect)
{
    setRow(2, kChannel150);
    const std::vector<QWidget*> targets = {m_view->PttIdCodeEdit(), m_view->CellEdit()};
    for (QWidget* target : targets) {
        SCOPED_TRACE(target->objectName().toStdString());
        pickCell(2, 1);
        key('1');
        ASSERT_TRUE(m_view->CellEdit()->hasFocus());
        bool menuShown = false;
        // A context menu would run its own loop: close it if one opens.
        QTimer::singleShot(0, [&menuShown] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                menuShown = true;
                popup->close();
            }
        });
        QTest::mouseClick(target, Qt::RightButton);
        settle();
        EXPECT_FALSE(menuShown);
        ASSERT_TRUE(m_view->CellEdit()->hasFocus());
        EXPECT_EQ(m_view->CellEdit()->text(), "1");
        EXPECT_EQ(m_view->PttIdCodeEdit()->text(), "");
        key(Qt::Key_Return);
    }
}

// ---- the wheel

struct WheelCase {
    bool gridFocused;
    int delta;
    int pages;   // pages moved, down positive
};

class Wheel : public CellEditingTest, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(Wheel, PagesTheFocusedGridByWholeNotchesOnly)
{
    const WheelCase& c = GetParam();
    grid()->setFixedHeight(grid()->height() / 3);
    QScrollBar* bar = grid()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const int start = bar->value();
    ASSERT_GT(start, 0);
    if (c.gridFocused)
        grid()->setFocus();
    else
        m_view->PttIdCodeEdit()->setFocus();

    QWindow* window = m_window.windowHandle();
    const QPoint at = grid()->viewport()->mapTo(&m_window, grid()->viewport()->rect().center());
    QWheelEvent wheel(at, m_window.mapToGlobal(at), QPoint(), QPoint(0, c.delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(window, &wheel);

    EXPECT_EQ(bar->value(), std::clamp(start + c.pages * bar->pageStep(), 0, bar->maximum()));
}

INSTANTIATE_TEST_SUITE_P(Deltas, Wheel,
                         ::testing::Values(WheelCase{true, -120, 1}, WheelCase{true, 120, -1},
                                           WheelCase{true, -40, 0}, WheelCase{true, -240, 0},
                                           WheelCase{false, -120, 0}));

// ---- a whole channel with the keyboard only, then File Save

class ViewHost : public CProgramDocHost {
public:
    explicit ViewHost(CProgramView& view) : m_view(view) {}
    void StoreToImage() override { m_view.StoreToImage(); }
    void ReportFileError(const FileStatus& status) override { ADD_FAILURE() << status.text().toStdString(); }

private:
    CProgramView& m_view;
};

TEST_F(CellEditingTest, KeyboardWalkAcrossChannelsIsSaved)
{
    pickCell(1, 1);
    // Rx, Tx, the two tones, then Busy, Power, Bandwidth and Scan one item on.
    key(Qt::Key_Return);
    type("146.52");
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    type("146.0");
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    type("D023N");
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    type("67");
    key(Qt::Key_Return);
    for (int option = 0; option < 4; ++option) {
        key(Qt::Key_Return);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
    }
    EXPECT_EQ(currentCell(), std::pair(2L, 1L));
    key(Qt::Key_Return);
    type("147.5");
    key(Qt::Key_Return);
    EXPECT_EQ(currentCell(), std::pair(2L, 2L));
    // The last value typed is saved without leaving its editor.
    key(Qt::Key_Return);
    type("147.50625");

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("walk.sin");
    ViewHost host(*m_view);
    m_doc.SetHost(&host);
    ASSERT_TRUE(m_doc.OnSaveDocument(path));
    m_doc.SetHost(nullptr);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    ASSERT_EQ(saved.size(), 1024);
    using Bytes = std::array<std::uint8_t, 16>;
    const Bytes channel1 = {0x00, 0x20, 0x65, 0x14, 0x00, 0x00, 0x60, 0x14,
                            0x23, 0x80, 0x70, 0x06, 0xE6, 0xFF, 0xFF, 0xFF};
    const Bytes channel2 = {0x00, 0x00, 0x75, 0x14, 0x25, 0x06, 0x75, 0x14,
                            0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0xFF, 0xFF, 0xFF};
    for (int n : {1, 2}) {
        SCOPED_TRACE(n);
        const Bytes& expected = n == 1 ? channel1 : channel2;
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(static_cast<std::uint8_t>(saved[n * 16 + i]), expected[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(static_cast<std::uint8_t>(saved[3 * 16 + 3]), 0xFF);
}

} // namespace
