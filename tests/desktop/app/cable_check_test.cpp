// Port > Check Cable from the main window against the simulated radio in
// this process: the menu item clicked, OK and Cancel clicked, the report read
// as the user sees it.

#include "frame_fixture.h"

#include "app/cable_check_dialog.h"

#include "editor/transfer_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {

// The form as the user left it before the check: a changed squelch level
// (not saved) over a new document, whose channels differ from the radio's.
struct FormState {
    int squelch;
    QString firstRx;
    RadioImage document;
    bool modified;

    bool operator==(const FormState&) const = default;
};

class CableCheckTest : public FrameTest {
protected:
    void UseRadio(RadioOptions options)
    {
        m_ports = std::make_unique<TestPorts>(options);
        View().SetTransferPorts(m_ports.get());
    }

    CProgressDialog& Progress() { return *View().ProgressDialog(); }

    FormState State() const
    {
        CProgramView& view = *m_frame->GetActiveView();
        return {view.Combo(FormCombo::Squelch)->currentIndex(), view.Grid()->GetTextMatrix(1, 1), m_doc.m_image,
                view.IsModified()};
    }

    void ChangeSquelch()
    {
        View().Combo(FormCombo::Squelch)->setFocus();
        QTest::keyClick(View().Combo(FormCombo::Squelch), Qt::Key_Down);
        ASSERT_TRUE(View().IsModified());
    }

    // The item clicked in the Port menu as it pops up, then OK.
    void CheckCable()
    {
        QMenu* menu = m_frame->Menu(MenuId::Port);
        menu->popup(m_frame->mapToGlobal(QPoint(40, 40)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QAction* item = m_frame->CommandAction(ID_PORT_CHECK_CABLE);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        ASSERT_TRUE(Progress().isVisible());
        EXPECT_EQ(Progress().windowTitle(), "Check Cable");
        QTest::mouseClick(Progress().m_buttonOk, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Progress().isVisible(); }, 20000));
    }

    // Cancel clicked as a user would the time-th time the bar reaches position.
    void CancelAt(int position, int time)
    {
        QObject::connect(Progress().m_progress, &QProgressBar::valueChanged, m_frame.get(),
                         [this, position, time, reached = 0](int value) mutable {
                             if (value == position && ++reached == time)
                                 QTimer::singleShot(0, Progress().m_buttonCancel, [this] {
                                     QTest::mouseClick(Progress().m_buttonCancel, Qt::LeftButton);
                                 });
                         });
    }

    CCableCheckDialog* Report() { return m_frame->findChild<CCableCheckDialog*>(); }

    std::unique_ptr<TestPorts> m_ports;
};

struct ReportCase {
    const char* name;
    RadioFault fault;
    const char* verdict;
    // The lines naming the blocks in which the two reads differ.
    QStringList blockLines;
};

class CheckedCable : public CableCheckTest, public testing::WithParamInterface<ReportCase> {};

TEST_P(CheckedCable, NamesEachDifferingBlockAndLeavesTheFormAlone)
{
    UseRadio({.fault = GetParam().fault});
    m_frame->CommandAction(ID_PORT_SIMULATED)->trigger();
    ChangeSquelch();
    const FormState before = State();

    CheckCable();

    EXPECT_EQ(State(), before);
    ASSERT_NE(Report(), nullptr);
    ASSERT_TRUE(Report()->isVisible());
    EXPECT_TRUE(Report()->m_report->isReadOnly());
    EXPECT_TRUE(Report()->m_report->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    const QStringList lines = Report()->m_report->toPlainText().split(u'\n');
    EXPECT_TRUE(lines.constFirst().startsWith(GetParam().verdict)) << lines.constFirst().toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression("^  Block ")), GetParam().blockLines);
    EXPECT_EQ(lines.filter(QRegularExpression("^(Speed|Echoes|Garbage|Retries): ")).size(), 4);
    EXPECT_EQ(m_ports->targets.size(), 2u);
    EXPECT_TRUE(m_ports->targets.back().simulated);

    const QString folder = qEnvironmentVariable("HMPROG_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QApplication::processEvents();
        EXPECT_TRUE(Report()->grab().save(folder + "/cable_check_" + GetParam().name + ".png"));
    }
    QTest::mouseClick(Report()->m_buttonClose, Qt::LeftButton);
    EXPECT_FALSE(Report()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Cables, CheckedCable,
    testing::Values(ReportCase{"Good", RadioFault::None, "The two reads agree", {}},
                    ReportCase{"FlakyRead", RadioFault::FlakyRead, "The two reads differ in 1 of 128 blocks",
                               {"  Block 40 (0x140-0x147)"}}),
    [](const auto& info) { return std::string(info.param.name); });

// How the user stops the check: Cancel in either read, which has nothing to
// report, or Cancel in the prompt of a radio that does not answer, which
// leaves the read failed and says so with the retries seen (the 15
// wake-up attempts before the prompt, less the first).
struct StopCase {
    const char* name;
    RadioFault fault;
    int cancelInRead;     // 0: at the retry prompt
    const char* verdict;  // nullptr: no report
};

class CableCheckStopped : public CableCheckTest, public testing::WithParamInterface<StopCase> {};

TEST_P(CableCheckStopped, LeavesTheFormAsItWas)
{
    UseRadio({.fault = GetParam().fault});
    ChangeSquelch();
    const FormState before = State();
    AnswerEach<QMessageBox> retry([](QMessageBox& prompt) {
        QTest::mouseClick(prompt.button(QMessageBox::Cancel), Qt::LeftButton);
    });
    if (GetParam().cancelInRead > 0)
        CancelAt(60, GetParam().cancelInRead);

    CheckCable();

    EXPECT_EQ(State(), before);
    EXPECT_EQ(retry.count(), GetParam().cancelInRead == 0 ? 1 : 0);
    EXPECT_EQ(m_ports->targets.size(), GetParam().cancelInRead == 2 ? 2u : 1u);
    EXPECT_FALSE(View().IsTransferRunning());
    if (!GetParam().verdict) {
        EXPECT_EQ(Report(), nullptr);
        return;
    }
    ASSERT_NE(Report(), nullptr);
    const QString report = Report()->m_report->toPlainText();
    EXPECT_TRUE(report.startsWith(GetParam().verdict)) << report.toStdString();
    EXPECT_TRUE(report.contains("Retries: 14 ")) << report.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cancels, CableCheckStopped,
                         testing::Values(StopCase{"InFirstRead", RadioFault::None, 1, nullptr},
                                         StopCase{"InSecondRead", RadioFault::None, 2, nullptr},
                                         StopCase{"AtRetryPrompt", RadioFault::Silent, 0,
                                                  "The first read did not complete."}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
