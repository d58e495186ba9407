#include "edit_fixture.h"

#include "app/accelerator_filter.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

#include <functional>

namespace {

enum class By { Menu, CtrlZ, CtrlY, CtrlShiftZ };

struct StepCase {
    const char* name;
    std::function<void(EditTest&)> change;
    const char* step;        // "Undo " and "Redo " name it
    GridCell cell;           // where Undo puts the current cell
    By undo;
    By redo;
};

void Press(EditTest& test, By by, int id)
{
    switch (by) {
    case By::Menu:
        test.m_frame->CommandAction(id)->trigger();
        break;
    case By::CtrlZ:
        test.Key(Qt::Key_Z, Qt::ControlModifier);
        break;
    case By::CtrlY:
        test.Key(Qt::Key_Y, Qt::ControlModifier);
        break;
    case By::CtrlShiftZ:
        test.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        break;
    }
    EditTest::Settle();
}

void Choose(EditTest& test, QComboBox* combo)
{
    combo->setFocus();
    test.Key(Qt::Key_Down);
}

const StepCase kSteps[] = {
    {"typed_rx_freq",
     [](EditTest& t) {
         t.PickCell(5, 1);
         t.Type("150");
         t.Key(Qt::Key_Return);
     },
     "Channel 5 Rx Freq", {5, 1}, By::Menu, By::Menu},
    {"tone_cell",
     [](EditTest& t) {
         t.PickCell(3, 4);
         t.Key(Qt::Key_Return);
         t.Type("D023N");
         t.Key(Qt::Key_Return);
     },
     "Channel 3 Tx Tone", {3, 4}, By::CtrlZ, By::CtrlY},
    {"option_cell",
     [](EditTest& t) {
         t.PickCell(2, 6);
         t.Key(Qt::Key_Return);
         t.Key(Qt::Key_Down);
         t.Key(Qt::Key_Return);
     },
     "Channel 2 Power", {2, 6}, By::CtrlZ, By::CtrlShiftZ},
    {"squelch", [](EditTest& t) { Choose(t, t.View().Combo(FormCombo::Squelch)); }, "Squelch Level", {1, 1}, By::CtrlZ,
     By::CtrlY},
    {"model_switch_empties_all_16", [](EditTest& t) { Choose(t, t.View().Combo(FormCombo::Model)); }, "Model Change",
     {1, 1}, By::CtrlZ, By::Menu},
    {"add_loses_channel_16",
     [](EditTest& t) {
         t.PickCell(4, 2);
         QTest::mouseClick(t.View().AddButton(), Qt::LeftButton);
     },
     "Add Channel 4", {4, 2}, By::Menu, By::CtrlY},
    {"delete",
     [](EditTest& t) {
         t.PickCell(3, 1);
         QTest::mouseClick(t.View().DeleteButton(), Qt::LeftButton);
     },
     "Delete Channel 3", {3, 1}, By::CtrlZ, By::CtrlY},
    {"ptt_id_code",
     [](EditTest& t) {
         t.View().PttIdCodeEdit()->setFocus();
         t.Type("77");
         t.Key(Qt::Key_Tab);
     },
     "PTT ID Code", {1, 1}, By::CtrlZ, By::CtrlY},
    {"paste",
     [](EditTest& t) {
         QApplication::clipboard()->setText("146.52\n");
         t.PickCell(9, 3);
         t.Key(Qt::Key_V, Qt::ControlModifier);
     },
     "Paste", {9, 3}, By::CtrlZ, By::CtrlY},
    {"move_down",
     [](EditTest& t) {
         t.PickCell(6, 2);
         t.Key(Qt::Key_Down, Qt::AltModifier);
     },
     "Move", {6, 2}, By::CtrlZ, By::CtrlY},
    {"clear",
     [](EditTest& t) {
         t.PickCell(7, 1);
         t.Key(Qt::Key_Delete);
     },
     "Clear Channel 7", {7, 1}, By::CtrlZ, By::CtrlY},
    {"cut",
     [](EditTest& t) {
         t.PickCell(8, 1);
         t.Key(Qt::Key_X, Qt::ControlModifier);
     },
     "Cut Channel 8", {8, 1}, By::Menu, By::CtrlY},
};

class EachStep : public EditTest, public testing::WithParamInterface<StepCase> {};

TEST_P(EachStep, IsUndoneAndRedoneWholeWithTheCurrentCell)
{
    const StepCase& step = GetParam();
    LoadChannels(16);
    PickCell(1, 1);
    const FormSnapshot before = Shown();
    step.change(*this);
    const FormSnapshot after = Shown();
    ASSERT_FALSE(after.SameContents(before)) << "the step changed nothing";
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), QStringLiteral("Undo ") + step.step);
    EXPECT_TRUE(m_frame->CommandAction(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(m_frame->CommandAction(ID_EDIT_REDO)->isEnabled());

    Press(*this, step.undo, ID_EDIT_UNDO);
    EXPECT_TRUE(Shown().SameContents(before));
    EXPECT_EQ(Row(16), Marked(16));
    EXPECT_EQ(Grid()->GetRow(), step.cell.row);
    EXPECT_EQ(Grid()->GetCol(), step.cell.col);
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "Undo");
    EXPECT_FALSE(m_frame->CommandAction(ID_EDIT_UNDO)->isEnabled());
    EXPECT_EQ(ItemText(ID_EDIT_REDO), QStringLiteral("Redo ") + step.step);

    Press(*this, step.redo, ID_EDIT_REDO);
    EXPECT_TRUE(Shown().SameContents(after));
    EXPECT_FALSE(m_frame->CommandAction(ID_EDIT_REDO)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Kinds, EachStep, testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.name); });

using EditCommands = EditTest;

TEST_F(EditCommands, UndoAndRedoAreGreyedWithNothingToTakeAndShareTheToolbarButtons)
{
    for (const int id : {ID_EDIT_UNDO, ID_EDIT_REDO}) {
        QAction* action = m_frame->CommandAction(id);
        EXPECT_FALSE(action->isEnabled());
        EXPECT_TRUE(m_frame->m_wndToolBar->actions().contains(action));
    }
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "Undo");
    EXPECT_EQ(ItemText(ID_EDIT_REDO), "Redo");
    // Ctrl+Z with nothing to undo changes nothing.
    LoadChannels(2);
    const FormSnapshot loaded = Shown();
    PickCell(1, 1);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Shown().SameContents(loaded));
}

TEST_F(EditCommands, ModelSwitchUndoneBringsBackTheBandAndEveryChannel)
{
    LoadChannels(16);
    Choose(*this, View().Combo(FormCombo::Model));
    ASSERT_EQ(View().Combo(FormCombo::Band)->currentText(), "400-520MHz");
    ASSERT_EQ(Row(1), std::vector<QString>(8));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(View().Combo(FormCombo::Model)->currentText(), "HM-615V");
    EXPECT_EQ(View().Combo(FormCombo::Band)->currentText(), "136-174MHz");
    for (long n = 1; n <= 16; ++n)
        EXPECT_EQ(Row(n), Marked(n)) << n;
    // The restored band holds typed frequencies again.
    PickCell(1, 1);
    Type("500");
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid()->GetTextMatrix(1, 1), "174.00000");
}

TEST_F(EditCommands, TheEditMenuNamesTheStepItWouldUndo)
{
    LoadChannels(3);
    Choose(*this, View().Combo(FormCombo::Model));
    QMenu* edit = m_frame->Menu(MenuId::Edit);
    edit->popup(m_frame->mapToGlobal(QPoint(40, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    const QList<QAction*> items = edit->actions();
    EXPECT_EQ(items.at(0)->text(), "Undo Model Change\tCtrl+Z");
    EXPECT_TRUE(items.at(0)->isEnabled());
    EXPECT_EQ(items.at(1)->text(), "Redo\tCtrl+Y");
    EXPECT_FALSE(items.at(1)->isEnabled());
    SaveShot(*edit, "edit_menu");
    edit->close();
}

TEST_F(EditCommands, ANewStepAfterUndoDropsRedo)
{
    LoadChannels(4);
    PickCell(1, 1);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(m_frame->CommandAction(ID_EDIT_REDO)->isEnabled());
    PickCell(2, 1);
    Key(Qt::Key_Delete);
    EXPECT_FALSE(m_frame->CommandAction(ID_EDIT_REDO)->isEnabled());
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "Undo Clear Channel 2");
}

struct PortKeyCase {
    const char* name;
    bool inGrid;
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
    bool copies;
};

class CopyKeys : public EditTest, public testing::WithParamInterface<PortKeyCase> {};

// Ctrl+C copies channels while the grid has the focus and selects COM1
// everywhere else; Ctrl+Insert copies in the grid too.
TEST_P(CopyKeys, CopyInTheGridComOneElsewhere)
{
    const PortKeyCase& c = GetParam();
    LoadChannels(3);
    m_frame->CommandAction(ID_PORT_COM8)->trigger();
    QApplication::clipboard()->setText("kept");
    if (c.inGrid)
        PickCell(2, 3);
    else
        View().Combo(FormCombo::Squelch)->setFocus();
    Key(c.key, c.modifiers);
    EXPECT_EQ(QApplication::clipboard()->text(),
              c.copies ? QStringLiteral("142.00000\t142.00000\tOff\tOff\tOff\tHigh\tWide\tAdd\n") : "kept");
    const bool selectsCom1 = c.key == Qt::Key_C && !c.inGrid;
    EXPECT_EQ(View().PortName(), selectsCom1 ? "COM1" : "COM8");
}

INSTANTIATE_TEST_SUITE_P(Keys, CopyKeys,
                         testing::Values(PortKeyCase{"ctrl_c_grid", true, Qt::ControlModifier, Qt::Key_C, true},
                                         PortKeyCase{"ctrl_c_form", false, Qt::ControlModifier, Qt::Key_C, false},
                                         PortKeyCase{"ctrl_insert_grid", true, Qt::ControlModifier, Qt::Key_Insert,
                                                     true},
                                         PortKeyCase{"ctrl_insert_form", false, Qt::ControlModifier,
                                                     Qt::Key_Insert, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditCommands, RowsPickedByTheirNumbersAreCopiedAndPastedElsewhere)
{
    LoadChannels(5);
    SetRow(3, {"145.01250", "", "D023N", "254.1", "Carrier", "Low", "Narrow", "Del"});
    ClickNumber(2);
    ClickNumber(4, Qt::ShiftModifier);
    EXPECT_TRUE(View().CellEdit()->isHidden());
    ASSERT_EQ(View().SelectedChannels(), (ChannelSpan{2, 4}));
    Key(Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied.count(u'\n'), 3);

    ClickNumber(10);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    for (long n = 2; n <= 4; ++n)
        EXPECT_EQ(Row(n + 8), Row(n)) << n;
    EXPECT_EQ(View().SelectedChannels(), (ChannelSpan{10, 12}));
    EXPECT_TRUE(Said().startsWith("3 channel")) << Said().toStdString();
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "Undo Paste");
}

struct SpreadsheetCase {
    const char* name;
    QString text;
    std::vector<QString> row5;
    std::vector<QString> row6;
};

const std::vector<QString> kNew14652 = {"146.52000", "146.52000", "Off", "Off", "Off", "High", "Wide", "Add"};
const std::vector<QString> kNew147 = {"147.00000", "147.00000", "Off", "Off", "Off", "High", "Wide", "Add"};

class SpreadsheetText : public EditTest, public testing::WithParamInterface<SpreadsheetCase> {};

TEST_P(SpreadsheetText, PastesAsTheChannelsItNames)
{
    const SpreadsheetCase& c = GetParam();
    LoadChannels(8);
    QApplication::clipboard()->setText(c.text);
    PickCell(5, 1);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Row(5), c.row5);
    EXPECT_EQ(Row(6), c.row6);
    EXPECT_EQ(Row(7), Marked(7));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SpreadsheetText,
    testing::Values(SpreadsheetCase{"tabs_crlf", "146.52\t146.52\tOff\tOff\tOff\tHigh\tWide\tAdd\r\n147\r\n",
                                    kNew14652, kNew147},
                    SpreadsheetCase{"numbered_with_heading", "CH\tRx Freq\tTx Freq\n1\t146.52\n2\t147\n", kNew14652,
                                    kNew147},
                    SpreadsheetCase{"fewer_columns_no_newline", "146.52\t\n147", {"146.52000", "", "Off", "Off", "Off",
                                    "High", "Wide", "Add"}, kNew147}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditCommands, AClampedAndARefusedRowAreNamedInTheStatusBar)
{
    LoadChannels(4);
    QApplication::clipboard()->setText("200\nnot a frequency\n146.52\n");
    PickCell(1, 1);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Grid()->GetTextMatrix(1, 1), "174.00000");
    EXPECT_EQ(Row(2), Marked(2));
    EXPECT_EQ(Grid()->GetTextMatrix(3, 1), "146.52000");
    EXPECT_TRUE(Said().contains("Channel 1 Rx Freq: 200 typed, 174.00000 stored.")) << Said().toStdString();
    EXPECT_TRUE(Said().contains("cannot hold: channel 2.")) << Said().toStdString();
}

TEST_F(EditCommands, ShiftArrowsPickSeveralChannelsThatMoveAndGoTogether)
{
    LoadChannels(8);
    PickCell(3, 1);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(View().SelectedChannels(), (ChannelSpan{3, 5}));
    EXPECT_EQ(Grid()->GetHighLight(), 2);
    SaveShot(*m_frame, "multi_row_selection");

    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Row(3), Marked(6));
    EXPECT_EQ(Row(4), Marked(3));
    EXPECT_EQ(Row(6), Marked(5));
    EXPECT_EQ(View().SelectedChannels(), (ChannelSpan{4, 6}));
    Key(Qt::Key_Up, Qt::AltModifier);
    Key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(Row(2), Marked(3));
    EXPECT_EQ(Row(5), Marked(2));
    EXPECT_EQ(View().SelectedChannels(), (ChannelSpan{2, 4}));

    QTest::mouseClick(View().DeleteButton(), Qt::LeftButton);
    Settle();
    EXPECT_EQ(Row(1), Marked(1));
    EXPECT_EQ(Row(2), Marked(2));
    EXPECT_EQ(Row(3), Marked(6));
    EXPECT_EQ(Row(6), std::vector<QString>(8));
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "Undo Delete Channels 2-4");
}

TEST_F(EditCommands, ClearEmptiesThePickedChannelsAndCutShiftsTheRestUp)
{
    LoadChannels(6);
    ClickNumber(2);
    ClickNumber(3, Qt::ShiftModifier);
    m_frame->CommandAction(ID_EDIT_CLEAR)->trigger();
    EXPECT_EQ(Row(2), std::vector<QString>(8));
    EXPECT_EQ(Row(3), std::vector<QString>(8));
    EXPECT_EQ(Row(4), Marked(4));
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "Undo Clear Channels 2-3");

    ClickNumber(4);
    ClickNumber(5, Qt::ShiftModifier);
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Row(4), Marked(6));
    EXPECT_EQ(Row(5), std::vector<QString>(8));
    EXPECT_EQ(QApplication::clipboard()->text().count(u'\n'), 2);
    EXPECT_EQ(ItemText(ID_EDIT_UNDO), "Undo Cut Channels 4-5");
}

} // namespace
