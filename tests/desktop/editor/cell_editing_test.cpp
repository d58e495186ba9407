// Values typed into the in-place editors and what the cells then hold.

#include "cell_editing_fixture.h"

#include "form/cell_commit.h"

#include "codec/frequency.h"
#include "codec/tone.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

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
    ASSERT_TRUE(m_view->CellEdit()->isVisible());
    EXPECT_EQ(m_view->CellEdit()->selectedText(), before[static_cast<std::size_t>(c.col - 1)]);
    type(c.typed);
    const bool erased = m_view->CellEdit()->text().isEmpty();
    key(Qt::Key_Return);

    EXPECT_FALSE(m_view->CellEdit()->isVisible());
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
                      FrequencyCase{"beyondDouble", 0, 1, QString(305, '9'), "174.00000"},
                      FrequencyCase{"decimalComma", 0, 1, "146,52", "146.52000"},
                      FrequencyCase{"decimalCommaTx", 0, 2, "146,5", "146.50000"},
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

// ---- what the status bar is told about a typed frequency

struct CorrectionCase {
    const char* name;
    long col;
    QString typed;
    QString message;    // "" for none
};

class FrequencyCorrectionMessage : public CellEditingTest, public ::testing::WithParamInterface<CorrectionCase> {};

TEST_P(FrequencyCorrectionMessage, SaysHowATypedFrequencyWasChanged)
{
    const CorrectionCase& c = GetParam();
    QSignalSpy said(m_view, &CProgramView::StatusMessage);
    setRow(3, kChannel150);
    pickCell(3, c.col);
    key(Qt::Key_Return);
    type(c.typed);
    key(Qt::Key_Return);

    if (c.message.isEmpty()) {
        EXPECT_EQ(said.count(), 0);
        return;
    }
    ASSERT_EQ(said.count(), 1);
    EXPECT_EQ(said.at(0).at(0).toString(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FrequencyCorrectionMessage,
    ::testing::Values(
        CorrectionCase{"above", 1, "200", "200 MHz is above 136-174 MHz: 174.00000"},
        CorrectionCase{"below", 2, "100.5", "100.5 MHz is below 136-174 MHz: 136.00000"},
        CorrectionCase{"offRaster", 1, "145.12345",
                       "145.12345 MHz is between channels of 5 kHz and 6.25 kHz: 145.12000"},
        CorrectionCase{"longNumberShortened", 1, QString(30, '9'),
                       QString(19, '9') + QChar(0x2026) + " MHz is above 136-174 MHz: 174.00000"},
        CorrectionCase{"onRaster", 1, "145.0125", ""}, CorrectionCase{"cutDigitsOnly", 1, "145.0000001", ""},
        CorrectionCase{"erased", 1, "0", ""}),
    [](const auto& info) { return std::string(info.param.name); });

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
    {"comma", [](QLineEdit* e) { QTest::keyClick(e, ','); }, "1,"},
    // The keypad's decimal key where the decimal separator is a comma.
    {"keypadComma", [](QLineEdit* e) { typeUsKey(e, Qt::Key_Comma, ",", Qt::KeypadModifier); }, "1,"},
    // Delete as X11 reports it, with the text DEL.
    {"deleteX11",
     [](QLineEdit* e) {
         QTest::keyClick(e, Qt::Key_Home);
         typeUsKey(e, Qt::Key_Delete, "\x7f", Qt::NoModifier);
     },
     ""},
    {"ctrlC", [](QLineEdit* e) { typeUsKey(e, Qt::Key_C, "\x03", Qt::ControlModifier); }, "1"},
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
    ASSERT_TRUE(m_view->CellEdit()->hasFocus());
    GetParam().input(m_view->CellEdit());
    EXPECT_EQ(m_view->CellEdit()->text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Keys, FrequencyInput, ::testing::ValuesIn(kInputs),
                         [](const auto& info) { return std::string(info.param.name); });

// The filter looks at typed characters only: Home and Delete edit the text,
// and what is left is held to the band.
TEST_F(CellEditingTest, DeleteInTheFrequencyEditorRemovesTheCharacterAfterTheCaret)
{
    setRow(2, kChannel150);
    grid()->SetTextMatrix(2, 1, "146.52000");
    pickCell(2, 1);
    key(Qt::Key_Return);
    ASSERT_TRUE(m_view->CellEdit()->hasFocus());
    key(Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, m_view->CellEdit(), Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    EXPECT_EQ(m_view->CellEdit()->text(), "46.52000");
    key(Qt::Key_Return);
    EXPECT_EQ(grid()->GetTextMatrix(2, 1), "136.00000");
}

// Delete types no character: on a channel not in use it neither opens an
// editor nor moves the current cell to the receive frequency.
TEST_F(CellEditingTest, DeleteOnTheGridIsNoTypedCharacter)
{
    pickCell(7, 4);
    QTest::sendKeyEvent(QTest::Click, grid(), Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    settle();
    EXPECT_EQ(currentCell(), std::pair(7L, 4L));
    EXPECT_FALSE(m_view->CellEdit()->isVisible());
}

// ---- tones

struct ToneCase {
    const char* name;
    QString typed;
    QString cell;       // the cell after Enter; "" when the text is refused
    QString reloaded;   // the cell after the form is stored and loaded again
};

class TypedTone : public CellEditingTest, public ::testing::WithParamInterface<ToneCase> {};

TEST_P(TypedTone, IsStoredOnlyWhenTheImageHoldsThatTone)
{
    const ToneCase& c = GetParam();
    setRow(4, kChannel150);
    pickCell(4, 3);
    key(Qt::Key_Return);
    ASSERT_TRUE(m_view->CellToneEdit()->isVisible());
    type(c.typed.isEmpty() ? QString("\b") : c.typed);
    key(Qt::Key_Return);

    const bool stored = !c.cell.isEmpty();
    EXPECT_EQ(grid()->GetTextMatrix(4, 3), stored ? c.cell : kChannel150[2]);
    EXPECT_EQ(m_view->CellToneEdit()->count(), kToneListSize);
    if (!stored) {
        // Opened again, the editor shows the cell's tone, not the refused text.
        key(Qt::Key_Left);
        key(Qt::Key_Return);
        EXPECT_EQ(m_view->CellToneEdit()->currentText(), kChannel150[2]);
    }
    m_view->StoreToImage();
    m_view->LoadFromImage();
    EXPECT_EQ(grid()->GetTextMatrix(4, 3), c.reloaded);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedTone,
    ::testing::Values(ToneCase{"listed", "67.0", "67.0", "67.0"}, ToneCase{"noDecimal", "67", "67", "67.0"},
                      ToneCase{"twoDecimals", "67.00", "67.00", "67.0"},
                      ToneCase{"highest", "254.1", "254.1", "254.1"}, ToneCase{"dcs", "D023N", "D023N", "D023N"},
                      ToneCase{"dcsShort", "D23N", "D23N", "D023N"},
                      ToneCase{"dcsInverted", "D754I", "D754I", "D754I"}, ToneCase{"off", "Off", "Off", "Off"},
                      ToneCase{"unlisted", "799.9", "799.9", "799.9"},
                      ToneCase{"lowerCase", "d023n", "D023N", "D023N"},
                      ToneCase{"lowerCaseInverted", "d754i", "D754I", "D754I"},
                      ToneCase{"lowerCaseOff", "off", "Off", "Off"},
                      ToneCase{"readsAsDcs", "800.0", "", "D754I"}, ToneCase{"readsAsInverted", "D6400N", "", "D754I"},
                      ToneCase{"notOctal", "D999N", "", "D754I"}, ToneCase{"notOctalInverted", "D088I", "", "D754I"},
                      ToneCase{"notOctalLowerCase", "d028n", "", "D754I"},
                      ToneCase{"noPolarity", "D023", "", "D754I"}, ToneCase{"hundredths", "67.05", "", "D754I"},
                      ToneCase{"offInside", "xOffx", "", "D754I"}, ToneCase{"empty", "", "", "D754I"}),
    [](const auto& info) { return std::string(info.param.name); });

// Dropping the list down takes the focus for a while; the editor stays open.
// One Enter in the list stores the item picked and moves right, as Enter in
// the closed editor does.
struct ListCase {
    long col;
    QString before;
    QString picked;     // one item down from the one shown when it opened
};

class DroppedDownList : public CellEditingTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(DroppedDownList, OneEnterStoresThePickedItemAndMovesRight)
{
    const ListCase& c = GetParam();
    setRow(4, kChannel150);
    grid()->SetTextMatrix(4, c.col, c.before);
    pickCell(4, c.col);
    key(Qt::Key_Return);
    QComboBox* editor = c.col <= 4 ? m_view->CellToneEdit() : m_view->CellOptionEdit();
    ASSERT_EQ(editor->currentText(), c.before);
    key(Qt::Key_F4);
    ASSERT_TRUE(editor->view()->isVisible());
    EXPECT_TRUE(editor->isVisible());
    QTest::keyClick(editor->view(), Qt::Key_Down);
    QTest::keyClick(editor->view(), Qt::Key_Return);
    settle();

    EXPECT_FALSE(editor->view()->isVisible());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(grid()->GetTextMatrix(4, c.col), c.picked);
    EXPECT_EQ(currentCell(), std::pair(4L, c.col + 1));
    EXPECT_EQ(focus(), grid());
}

INSTANTIATE_TEST_SUITE_P(Columns, DroppedDownList,
                         ::testing::Values(ListCase{4, "67.0", "69.3"}, ListCase{3, "D754N", "D023I"},
                                           ListCase{5, "Off", "Carrier"}, ListCase{7, "Wide", "Narrow"}));

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
    EXPECT_TRUE(m_view->CellEdit()->isVisible());
    EXPECT_TRUE(m_view->CellEdit()->hasFocus());
    EXPECT_EQ(m_view->CellEdit()->text(), "14");
    EXPECT_EQ(grid()->GetTextMatrix(2, 1), "");
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
    QComboBox* editor = c.col <= 4 ? m_view->CellToneEdit() : m_view->CellOptionEdit();
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
