// Values typed into the in-place editors and what the cells then hold.

#include "cell_editing_fixture.h"

#include "editor/cell_commit.h"

#include "codec/frequency.h"
#include "codec/tone.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

namespace {

// ---- frequencies typed over a channel in use, committed with Enter

struct FrequencyCase {
    const char* name;
    int model;          // 0 HM-615V 136-174MHz, 1 HM-615U 400-520MHz
    long col;
    QString typed;      // "\b" erases the selected cell text
    QString stored;     // "" removes the channel (column 1) or the Tx frequency (column 2)
};

class TypedFrequency : public CellEditingTest, public ::testing::WithParamInterface<FrequencyCase> {};

TEST_P(TypedFrequency, IsClampedLoweredOntoTheRasterAndStored)
{
    const FrequencyCase& c = GetParam();
    if (c.model == 1)
        chooseModel(1);
    const std::vector<QString> before = c.model == 1 ? kChannel450 : kChannel150;
    setRow(3, before);
    pickCell(3, c.col);

    key(Qt::Key_Return);
    ASSERT_TRUE(m_view->m_editCell->isVisible());
    EXPECT_EQ(m_view->m_editCell->selectedText(), before[static_cast<std::size_t>(c.col - 1)]);
    type(c.typed);
    const bool erased = m_view->m_editCell->text().isEmpty();
    key(Qt::Key_Return);

    EXPECT_FALSE(m_view->m_editCell->isVisible());
    std::vector<QString> after = before;
    if (c.col == 1 && c.stored.isEmpty())
        after.assign(8, QString());
    else
        after[static_cast<std::size_t>(c.col - 1)] = c.stored;
    // A new receive frequency leaves the transmit frequency as it was.
    EXPECT_EQ(row(3), after);
    // Enter moves right, or down after the editor was emptied.
    EXPECT_EQ(currentCell(), erased ? std::pair(4L, c.col) : std::pair(3L, c.col + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Bands, TypedFrequency,
    ::testing::Values(FrequencyCase{"raster5k", 0, 1, "145.12345", "145.12000"},
                      FrequencyCase{"raster6k25", 0, 1, "145.013", "145.01250"},
                      FrequencyCase{"onRaster6k25", 0, 1, "145.0125", "145.01250"},
                      FrequencyCase{"tieGoesTo5k", 0, 1, "145.001", "145.00000"},
                      FrequencyCase{"belowBand", 0, 1, "100", "136.00000"},
                      FrequencyCase{"aboveBand", 0, 1, "200", "174.00000"},
                      FrequencyCase{"digitsCut", 0, 1, "145.123456789", "145.12000"},
                      FrequencyCase{"twoPoints", 0, 1, "1.2.3", "136.00000"},
                      FrequencyCase{"beyond32Bits", 0, 1, "99999999999999999999", "174.00000"},
                      FrequencyCase{"zeroRx", 0, 1, "0", ""},
                      FrequencyCase{"pointRx", 0, 1, ".", ""},
                      FrequencyCase{"emptyRx", 0, 1, "\b", ""},
                      FrequencyCase{"txChanged", 0, 2, "146.5", "146.50000"},
                      FrequencyCase{"zeroTx", 0, 2, "0", ""},
                      FrequencyCase{"pointTx", 0, 2, ".", ""},
                      FrequencyCase{"emptyTx", 0, 2, "\b", ""},
                      FrequencyCase{"uhfOnRaster", 1, 1, "446.00625", "446.00625"},
                      FrequencyCase{"uhfTie", 1, 1, "400.0031", "400.00000"},
                      FrequencyCase{"uhfBelowBand", 1, 2, "136", "400.00000"}),
    [](const auto& info) { return std::string(info.param.name); });

// Neither a sign nor an exponent can be typed; the commit still reads such
// text as no frequency.
TEST(CommittedFrequencyText, NegativeAndNonFiniteValuesGiveNoFrequency)
{
    for (const char* text : {"-145.5", "-0.001", "inf", "nan", "-inf", "1e400"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CommittedFrequencyText(QString::fromLatin1(text), 13600000, 17400000), "");
    }
}

// ---- what reaches the frequency editor

struct InputCase {
    const char* name;
    void (*input)(QLineEdit* edit);
    QString text;   // after "1" was typed on the grid
};

void typeUsKey(QLineEdit* edit, Qt::Key key, const char* produced, Qt::KeyboardModifiers modifiers)
{
    QTest::sendKeyEvent(QTest::Click, edit, key, QString::fromLatin1(produced), modifiers);
}

const InputCase kInputs[] = {
    {"letter", [](QLineEdit* e) { QTest::keyClick(e, 'a'); }, "1"},
    {"exclamation", [](QLineEdit* e) { QTest::keyClick(e, '!'); }, "1"},
    {"shiftOneUs", [](QLineEdit* e) { typeUsKey(e, Qt::Key_Exclam, "!", Qt::ShiftModifier); }, "1"},
    // A layout whose top-row digits need Shift.
    {"shiftFiveAzerty", [](QLineEdit* e) { typeUsKey(e, Qt::Key_5, "5", Qt::ShiftModifier); }, "15"},
    {"point", [](QLineEdit* e) { QTest::keyClick(e, '.'); }, "1."},
    {"backspace", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Backspace); }, ""},
    {"ctrlV", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); }, "1"},
    {"shiftInsert", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier); }, "1"},
    {"middleButton", [](QLineEdit* e) { QTest::mouseClick(e, Qt::MiddleButton); }, "1"},
    {"drop",
     [](QLineEdit* e) {
         QMimeData data;
         data.setText("45");
         const QPoint at = e->rect().center();
         QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(e, &enter);
         QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(e, &drop);
     },
     "1"},
    {"inputMethod",
     [](QLineEdit* e) {
         QInputMethodEvent commit;
         commit.setCommitString("45");
         QApplication::sendEvent(e, &commit);
     },
     "1"},
};

class FrequencyInput : public CellEditingTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(FrequencyInput, OnlyTypedDigitsPointsAndBackspaceArrive)
{
    QGuiApplication::clipboard()->setText("45.5");
    setRow(2, kChannel150);
    pickCell(2, 1);
    key('1');
    ASSERT_TRUE(m_view->m_editCell->hasFocus());
    GetParam().input(m_view->m_editCell);
    EXPECT_EQ(m_view->m_editCell->text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Keys, FrequencyInput, ::testing::ValuesIn(kInputs),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- tones

struct ToneCase {
    const char* name;
    QString typed;
    bool stored;
    QString reloaded;   // the cell after the form is stored and loaded again
};

class TypedTone : public CellEditingTest, public ::testing::WithParamInterface<ToneCase> {};

TEST_P(TypedTone, IsStoredOnlyWhenTheImageHoldsThatTone)
{
    const ToneCase& c = GetParam();
    setRow(4, kChannel150);
    pickCell(4, 3);
    key(Qt::Key_Return);
    ASSERT_TRUE(m_view->m_comboCellTone->isVisible());
    type(c.typed.isEmpty() ? QString("\b") : c.typed);
    key(Qt::Key_Return);

    EXPECT_EQ(grid()->GetTextMatrix(4, 3), c.stored ? c.typed : kChannel150[2]);
    EXPECT_EQ(m_view->m_comboCellTone->count(), kToneListSize);
    if (!c.stored) {
        // Opened again, the editor shows the cell's tone, not the refused text.
        key(Qt::Key_Left);
        key(Qt::Key_Return);
        EXPECT_EQ(m_view->m_comboCellTone->currentText(), kChannel150[2]);
    }
    m_view->StoreToImage();
    m_view->LoadFromImage();
    EXPECT_EQ(grid()->GetTextMatrix(4, 3), c.reloaded);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedTone,
    ::testing::Values(ToneCase{"listed", "67.0", true, "67.0"}, ToneCase{"noDecimal", "67", true, "67.0"},
                      ToneCase{"twoDecimals", "67.00", true, "67.0"}, ToneCase{"highest", "254.1", true, "254.1"},
                      ToneCase{"dcs", "D023N", true, "D023N"}, ToneCase{"dcsShort", "D23N", true, "D023N"},
                      ToneCase{"dcsInverted", "D754I", true, "D754I"}, ToneCase{"off", "Off", true, "Off"},
                      ToneCase{"unlisted", "799.9", true, "799.9"}, ToneCase{"readsAsDcs", "800.0", false, "D754I"},
                      ToneCase{"readsAsInverted", "D6400N", false, "D754I"},
                      ToneCase{"lowerCase", "d023n", false, "D754I"}, ToneCase{"noPolarity", "D023", false, "D754I"},
                      ToneCase{"hundredths", "67.05", false, "D754I"}, ToneCase{"offInside", "xOffx", false, "D754I"},
                      ToneCase{"empty", "", false, "D754I"}),
    [](const auto& info) { return std::string(info.param.name); });

// Dropping the list down takes the focus for a while; the editor stays open
// and stores the item picked from the list.
TEST_F(CellEditingTest, ToneListDroppedDownKeepsTheEditorOpen)
{
    setRow(4, kChannel150);
    pickCell(4, 4);
    key(Qt::Key_Return);
    QComboBox* tone = m_view->m_comboCellTone;
    ASSERT_EQ(tone->currentText(), "67.0");
    key(Qt::Key_F4);
    ASSERT_TRUE(tone->view()->isVisible());
    EXPECT_TRUE(tone->isVisible());
    QTest::keyClick(tone->view(), Qt::Key_Down);
    QTest::keyClick(tone->view(), Qt::Key_Return);
    settle();
    EXPECT_FALSE(tone->view()->isVisible());
    ASSERT_TRUE(tone->isVisible());
    EXPECT_EQ(tone->currentText(), "69.3");
    key(Qt::Key_Return);
    EXPECT_EQ(grid()->GetTextMatrix(4, 4), "69.3");
    EXPECT_EQ(currentCell(), std::pair(4L, 5L));
}

// A menu opened over the form while a frequency is typed leaves it open.
TEST_F(CellEditingTest, MenuOverTheFormKeepsTheFrequencyEditorOpen)
{
    pickCell(2, 1);
    key('1');
    type("4");
    QMenu menu(&m_window);
    menu.addAction(QStringLiteral("Read"));
    menu.popup(m_window.mapToGlobal(QPoint(10, 10)));
    settle();
    ASSERT_TRUE(menu.isVisible());
    menu.close();
    settle();
    EXPECT_TRUE(m_view->m_editCell->isVisible());
    EXPECT_TRUE(m_view->m_editCell->hasFocus());
    EXPECT_EQ(m_view->m_editCell->text(), "14");
    EXPECT_EQ(grid()->GetTextMatrix(2, 1), "");
}

TEST(IsStorableToneText, EveryEntryOfTheToneListIsAccepted)
{
    std::vector<std::string> tones;
    BuildToneList(tones);
    ASSERT_EQ(tones.size(), static_cast<std::size_t>(kToneListSize));
    for (const std::string& tone : tones)
        EXPECT_TRUE(IsStorableToneText(QString::fromStdString(tone))) << tone;
}

// ---- what the editors select when they open

struct OpenCase {
    long col;
    QString cell;
    QString selected;   // "" for no selection
};

class EditorOpening : public CellEditingTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(EditorOpening, SelectsTheFirstItemBeginningWithTheCellText)
{
    const OpenCase& c = GetParam();
    setRow(6, kChannel150);
    grid()->SetTextMatrix(6, c.col, c.cell);
    pickCell(6, c.col);
    key(Qt::Key_Return);
    QComboBox* editor = c.col <= 4 ? m_view->m_comboCellTone : m_view->m_comboCellOption;
    ASSERT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->currentText(), c.selected);
    EXPECT_EQ(editor->currentIndex() < 0, c.selected.isEmpty());
    EXPECT_EQ(editor->geometry(), cellRectInView(6, c.col));
    saveShot(QStringLiteral("editor-col%1-%2").arg(c.col).arg(c.cell).remove(QLatin1Char(' ')));
}

INSTANTIATE_TEST_SUITE_P(Columns, EditorOpening,
                         ::testing::Values(OpenCase{3, "D023I", "D023I"}, OpenCase{4, "no such", "Off"},
                                           OpenCase{3, "67", "67.0"}, OpenCase{4, "d754", "D754N"},
                                           OpenCase{5, "qt", "QT/DQT"}, OpenCase{6, "Low", "Low"},
                                           OpenCase{7, "n", "Narrow"}, OpenCase{8, "Bogus", ""}));

// A tone or option stored on a row that has lost its receive frequency
// leaves the cell empty.
TEST_F(CellEditingTest, ToneAndOptionOnARowWithoutReceiveFrequencyAreDropped)
{
    for (long col : {3L, 4L, 5L, 8L}) {
        SCOPED_TRACE(col);
        setRow(9, kChannel150);
        pickCell(9, col);
        key(Qt::Key_Return);
        ASSERT_FALSE(focus() == grid());
        grid()->SetTextMatrix(9, 1, QString());
        key(Qt::Key_Return);
        EXPECT_EQ(grid()->GetTextMatrix(9, col), "");
        EXPECT_EQ(focus(), grid());
    }
}

} // namespace
