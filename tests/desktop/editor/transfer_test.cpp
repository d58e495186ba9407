#include "transfer_fixture.h"

#include "image/image_layout.h"
#include "link/progress_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QSignalSpy>

namespace {

// What the dialog showed at the moment it went away.
struct LastLook {
    QString percent;
    int position = -1;
    int range = -1;
};

TEST_F(TransferTest, CompletedReadShowsOneHundredPercentThenTheRadiosChannels)
{
    struct Watcher : QObject {
        CProgressDialog* dialog = nullptr;
        LastLook seen;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Hide)
                seen = {dialog->m_staticPercent->text(), dialog->m_progress->value(), dialog->m_progress->maximum()};
            return false;
        }
    } watcher;
    watcher.dialog = &Dialog();
    Dialog().installEventFilter(&watcher);
    m_view.PttIdCodeEdit()->setText(QStringLiteral("99"));

    m_view.OnProgramRead();
    ASSERT_TRUE(Dialog().isVisible());
    EXPECT_EQ(Dialog().windowTitle(), "Read Data");
    EXPECT_TRUE(Dialog().m_buttonOk->isEnabled());
    PressOk();

    EXPECT_EQ(watcher.seen.percent, "100%");
    EXPECT_EQ(watcher.seen.position, 128);
    EXPECT_EQ(watcher.seen.range, 128);
    EXPECT_EQ(m_doc.m_image, m_ports->radio.memory());
    EXPECT_EQ(Cell(1, 1), "145.52500");
    EXPECT_EQ(Cell(1, 4), "D023N");
    EXPECT_EQ(Cell(4, 2), "");
    EXPECT_EQ(m_view.PttIdCodeEdit()->text(), "");
    EXPECT_EQ(m_ports->opened, QStringList{"/dev/ttyTEST"});
    EXPECT_TRUE(m_ports->configured);
    EXPECT_FALSE(m_ports->isOpen());
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(TransferTest, CancelBeforeOkClosesTheDialogAndNeverOpensThePort)
{
    const std::pair<const char*, std::function<void(CProgressDialog&)>> ways[] = {
        {"Cancel button", [](CProgressDialog& d) { QTest::mouseClick(d.m_buttonCancel, Qt::LeftButton); }},
        {"Esc", [](CProgressDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"close box", [](CProgressDialog& d) { d.close(); }},
    };
    for (const auto& [name, cancel] : ways) {
        SCOPED_TRACE(name);
        m_view.OnProgramWrite();
        ASSERT_TRUE(Dialog().isVisible());
        cancel(Dialog());
        EXPECT_FALSE(Dialog().isVisible());
        EXPECT_FALSE(Dialog().IsWindowCreated());
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_ports->targets.empty());
    EXPECT_TRUE(m_ports->opened.isEmpty());
}

// A transfer that ends any other way than completed leaves the document and
// the form exactly as they were.
struct UnfinishedCase {
    const char* what;
    RadioFault fault;
    int cancelAt;                         // 0: not cancelled
    std::deque<VersionAnswer> versionAnswers;
    int versionAsked;
    int retryAsked;
    const char* message;                  // "" none
};

class UnfinishedRead : public TransferTest, public testing::WithParamInterface<UnfinishedCase> {};

TEST_P(UnfinishedRead, LeavesDocumentAndFormAsTheyWere)
{
    const UnfinishedCase& c = GetParam();
    UseRadio({{136, 174}, c.fault, 40});
    m_versionAnswers = c.versionAnswers;
    if (c.cancelAt > 0)
        CancelAtPosition(c.cancelAt);
    m_view.PttIdCodeEdit()->setText(QStringLiteral("99"));
    const RadioImage before = m_doc.m_image;

    m_view.OnProgramRead();
    PressOk();

    EXPECT_EQ(m_doc.m_image, before);
    EXPECT_EQ(m_view.PttIdCodeEdit()->text(), "99");
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(m_versionAsked, c.versionAsked);
    EXPECT_EQ(m_retryTexts.size(), c.retryAsked);
    for (const QString& text : m_retryTexts)
        EXPECT_EQ(text, "Communication error, please try again.");
    ASSERT_EQ(m_messages.size(), *c.message ? 1u : 0u);
    if (*c.message) {
        EXPECT_EQ(m_messages[0].text, c.message);
    }
    if (c.cancelAt > 0) {
        // A block shows once the next request has gone out, and the polls
        // come while a reply crosses the line: Cancel, clicked as block 40
        // showed, is taken in while block 42 comes and seen once it is in.
        EXPECT_EQ(Dialog().m_progress->value(), c.cancelAt + 2);
    }
    EXPECT_FALSE(Dialog().IsWindowCreated());
    EXPECT_FALSE(m_ports->isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    EveryOtherEnd, UnfinishedRead,
    testing::Values(UnfinishedCase{"cancelled", RadioFault::None, 40, {}, 0, 0, ""},
                    UnfinishedCase{"version prompt refused", RadioFault::AckWakeUp, 0, {VersionAnswer::Cancel}, 1,
                                   0, ""},
                    UnfinishedCase{"silent radio, retry refused", RadioFault::Silent, 0, {}, 0, 1, ""},
                    UnfinishedCase{"block acknowledgement missing", RadioFault::NoBlockAck, 0, {}, 0, 0,
                                   "Not receive ACK signal"}),
    [](const testing::TestParamInfo<UnfinishedCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(TransferTest, SilentRadioGetsItsFifteenAttemptsBeforeTheRetryPrompt)
{
    UseRadio({{136, 174}, RadioFault::Silent, 40});
    m_retryAnswers = {RetryAnswer::Retry};
    m_view.OnProgramWrite();
    PressOk();
    EXPECT_EQ(m_retryTexts.size(), 2);
    // Each attempt waits for two answers that never come.
    EXPECT_GE(m_ports->clock.Now(), 2 * 15 * 2 * std::chrono::milliseconds(590));
    EXPECT_FALSE(Dialog().IsWindowCreated());
}

TEST_F(TransferTest, ContinueAtTheVersionPromptReadsTheRadio)
{
    UseRadio({{136, 174}, RadioFault::AckWakeUp, 40});
    m_versionAnswers = {VersionAnswer::Continue};
    m_view.OnProgramRead();
    PressOk();
    EXPECT_EQ(m_versionAsked, 1);
    EXPECT_EQ(Cell(1, 1), "145.52500");
}

// The command given last before OK decides the direction, and the caption
// says which it is.
TEST_F(TransferTest, TheLastCommandBeforeOkDecidesTheDirectionAndTheCaption)
{
    const struct {
        const char* what;
        void (CProgramView::*first)();
        void (CProgramView::*last)();
        const char* caption;
        bool written;
    } cases[] = {
        {"Write, then Read", &CProgramView::OnProgramWrite, &CProgramView::OnProgramRead, "Read Data", false},
        {"Read, then Write", &CProgramView::OnProgramRead, &CProgramView::OnProgramWrite, "Write Data", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        UseRadio({});
        m_view.PttIdCodeEdit()->setText(QStringLiteral("77"));
        (m_view.*c.first)();
        (m_view.*c.last)();
        EXPECT_EQ(Dialog().windowTitle(), c.caption);
        PressOk();
        const bool written = m_ports->radio.memory().byte(layout::kPttIdCode) == '7';
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(Cell(1, 1), c.written ? "" : "145.52500");
        ASSERT_TRUE(m_doc.OnNewDocument());
        m_view.LoadFromImage();
    }
}

TEST_F(TransferTest, ACommandDuringTheRunChangesNeitherItsDirectionNorItsCaption)
{
    AtPosition(20, [this] {
        m_view.OnProgramWrite();
        EXPECT_EQ(Dialog().windowTitle(), "Read Data");
        EXPECT_FALSE(Dialog().m_buttonOk->isEnabled());
    });
    m_view.OnProgramRead();
    PressOk();
    EXPECT_EQ(m_ports->radio.memory(), DemoRadioImage());
    EXPECT_EQ(Cell(1, 1), "145.52500");
}

TEST_F(TransferTest, WriteSendsWhatTheFormShowsAndLeavesTheSkippedBlocksAlone)
{
    m_view.PttIdCodeEdit()->setText(QStringLiteral("1234"));
    m_view.Combo(FormCombo::Squelch)->setCurrentIndex(2);
    m_view.OnProgramWrite();
    EXPECT_EQ(Dialog().windowTitle(), "Write Data");
    PressOk();

    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(Dialog().m_progress->maximum(), 126);
    EXPECT_EQ(Dialog().m_staticPercent->text(), "100%");
    // The form was stored before the write: the document holds what went out.
    EXPECT_EQ(m_doc.m_image.byte(layout::kPttIdCode), '1');
    EXPECT_EQ(m_doc.m_image.byte(layout::kSquelchLevel), 2);
    const RadioImage demo = DemoRadioImage();
    for (std::size_t offset = 0; offset < RadioImage::kSize; ++offset) {
        const bool skipped = (offset >= 0x300 && offset < 0x320) || offset >= 0x3F0;
        const std::uint8_t expected = skipped ? demo.byte(offset) : m_doc.m_image.byte(offset);
        ASSERT_EQ(m_ports->radio.memory().byte(offset), expected) << "offset " << offset;
    }
    EXPECT_EQ(m_view.PttIdCodeEdit()->text(), "1234");
}

struct OpenFailureCase {
    OpenFailure failure;
    const char* advice;
};

class FailedOpen : public TransferTest, public testing::WithParamInterface<OpenFailureCase> {};

TEST_P(FailedOpen, ShowsWhyThenClosesTheDialog)
{
    m_ports->openFailure = OpenStatus::Failed(GetParam().failure, "system says no");
    const RadioImage before = m_doc.m_image;
    m_view.OnProgramRead();
    PressOk();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "Could not open the port");
    EXPECT_TRUE(m_messages[0].detail.startsWith("/dev/ttyTEST: system says no. ")) << m_messages[0].detail.toStdString();
    EXPECT_TRUE(m_messages[0].detail.contains(GetParam().advice)) << m_messages[0].detail.toStdString();
    EXPECT_TRUE(m_messages[0].dialogShown);
    EXPECT_FALSE(Dialog().IsWindowCreated());
    EXPECT_FALSE(m_ports->configured);
    EXPECT_EQ(m_doc.m_image, before);
}

INSTANTIATE_TEST_SUITE_P(ThreeReasons, FailedOpen,
                         testing::Values(OpenFailureCase{OpenFailure::MissingDevice, "The device is missing"},
                                         OpenFailureCase{OpenFailure::PermissionDenied, "Permission denied"},
                                         OpenFailureCase{OpenFailure::Busy, "The port is busy"}));

TEST_F(TransferTest, APortStandingForNoDeviceIsNotOpened)
{
    m_view.PortChoice() = PortSelection([] { return std::vector<SerialDevice>{}; }, PortSelection::Naming::Devices);
    m_view.OnPortCom(5);
    m_view.OnProgramRead();
    PressOk();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "Could not open the port");
    EXPECT_TRUE(m_messages[0].detail.startsWith("COM5: no serial device stands for this port.")) << m_messages[0].detail.toStdString();
    EXPECT_TRUE(m_ports->opened.isEmpty());
}

TEST_F(TransferTest, TheFormIsReadOnlyWhileTheTransferRunsAndItsOpenEditorStoredFirst)
{
    QSignalSpy running(&m_view, &CProgramView::TransferRunningChanged);
    m_view.Grid()->SetRow(2);
    m_view.Grid()->SetCol(1);
    m_view.BeginCellEdit();
    ASSERT_TRUE(m_view.CellEdit()->isVisible());
    m_view.CellEdit()->setText(QStringLiteral("150"));
    const std::vector<QWidget*> controls = {m_view.SettingGroup(), m_view.Grid(), m_view.AddButton(),
                                            m_view.DeleteButton()};
    int checked = 0;
    AtPosition(30, [&] {
        EXPECT_TRUE(m_view.IsTransferRunning());
        EXPECT_FALSE(m_view.CellEdit()->isVisible());
        EXPECT_EQ(Cell(2, 1), "150.00000");
        for (QWidget* control : controls)
            EXPECT_FALSE(control->isEnabled()) << control->accessibleName().toStdString();
        ++checked;
    });
    m_view.OnProgramWrite();
    PressOk();
    EXPECT_EQ(checked, 1);
    EXPECT_FALSE(m_view.IsTransferRunning());
    for (QWidget* control : controls)
        EXPECT_TRUE(control->isEnabled()) << control->accessibleName().toStdString();
    ASSERT_EQ(running.count(), 2);
    EXPECT_EQ(running[0][0].toBool(), true);
    EXPECT_EQ(running[1][0].toBool(), false);
}

TEST_F(TransferTest, APortChosenDuringTheTransferLeavesTheRunningOneAlone)
{
    AtPosition(40, [this] { m_view.OnPortSimulated(); });
    m_view.OnProgramRead();
    PressOk();
    EXPECT_EQ(m_ports->targets.size(), 1u);
    EXPECT_EQ(m_ports->opened, QStringList{"/dev/ttyTEST"});
    EXPECT_EQ(Cell(1, 1), "145.52500");
    EXPECT_EQ(m_view.PortName(), "Simulated radio");
}

// What the dialog painted, in order with what went out on the line: "W" a
// write frame's header, "B" its body, "w" any other write, "% 37%" and
// "status Block 3 of 128" the two labels as they were painted.
class PaintLog : public QObject {
public:
    PaintLog(CProgressDialog& dialog, TestPorts& ports) : m_dialog(dialog)
    {
        dialog.m_staticPercent->installEventFilter(this);
        dialog.m_staticStatus->installEventFilter(this);
        ports.onWrite = [this](std::span<const std::uint8_t> bytes) {
            const bool header = bytes.size() == 4 && bytes[0] == 0x57;
            entries.push_back(header ? "W" : bytes.size() == 8 ? "B" : "w");
        };
    }

    std::vector<std::string> entries;

    // The texts one label showed, each change once.
    std::vector<std::string> Painted(const std::string& label) const
    {
        std::vector<std::string> texts;
        for (const std::string& e : entries) {
            if (e.starts_with(label + " ") && (texts.empty() || texts.back() != e.substr(label.size() + 1)))
                texts.push_back(e.substr(label.size() + 1));
        }
        return texts;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const bool percent = watched == m_dialog.m_staticPercent;
            const QLabel* label = percent ? m_dialog.m_staticPercent : m_dialog.m_staticStatus;
            entries.push_back((percent ? "% " : "status ") + label->text().toStdString());
        }
        return false;
    }

private:
    CProgressDialog& m_dialog;
};

struct PaintCase {
    const char* name;
    void (CProgramView::*command)();
    TransferDirection direction;
    int blocks;
};

class TransferPainting : public TransferTest, public testing::WithParamInterface<PaintCase> {};

// Every percentage the bar passes through is painted, in order, without a
// test painting by hand: the last block before a write's gap as well as the
// gap itself. No paint ever falls between a frame's header and its body.
TEST_P(TransferPainting, ShowsEveryPercentageAndStatusWhileWaitingForTheRadio)
{
    const PaintCase& c = GetParam();
    PaintLog log(Dialog(), *m_ports);
    (m_view.*c.command)();
    PressOk();
    ASSERT_TRUE(m_messages.empty());

    const int range = ProgressRange(c.direction);
    std::vector<std::string> percentages;
    for (int position = 0; position <= range; ++position) {
        const bool skipped = c.direction == TransferDirection::Write && position > 96 && position < 100;
        const std::string text = ProgressPercentText(position, range);
        if (!skipped && (percentages.empty() || percentages.back() != text))
            percentages.push_back(text);
    }
    EXPECT_EQ(log.Painted("%"), percentages);

    // Empty until OK is pressed.
    std::vector<std::string> statuses = {"", "Waiting for the radio on /dev/ttyTEST", "Identifying the radio"};
    for (int k = 1; k <= c.blocks; ++k)
        statuses.push_back("Block " + std::to_string(k) + " of " + std::to_string(c.blocks));
    statuses.push_back("Done");
    EXPECT_EQ(log.Painted("status"), statuses);

    for (std::size_t i = 0; i < log.entries.size(); ++i) {
        if (log.entries[i] == "W") {
            ASSERT_LT(i + 1, log.entries.size());
            ASSERT_EQ(log.entries[i + 1], "B") << "after the header of frame " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Directions, TransferPainting,
    testing::Values(PaintCase{"Read", &CProgramView::OnProgramRead, TransferDirection::Read, 128},
                    PaintCase{"Write", &CProgramView::OnProgramWrite, TransferDirection::Write, 122}),
    [](const testing::TestParamInfo<PaintCase>& info) { return std::string(info.param.name); });

// A write that stops after its first block leaves the radio partly written,
// and the user is told so after whatever ended it; one that stops before has
// nothing to add.
struct PartlyWrittenCase {
    const char* name;
    RadioRange range;
    RadioFault fault;
    std::size_t faultBlock;
    int cancelAt; // 0: not cancelled
    std::vector<QString> messages;
};

void PrintTo(const PartlyWrittenCase& c, std::ostream* os)
{
    *os << c.name;
}

class PartlyWritten : public TransferTest, public testing::WithParamInterface<PartlyWrittenCase> {};

TEST_P(PartlyWritten, IsSaidAfterTheMessageThatEndedTheWrite)
{
    const PartlyWrittenCase& c = GetParam();
    UseRadio({c.range, c.fault, c.faultBlock});
    if (c.cancelAt > 0)
        CancelAtPosition(c.cancelAt);
    m_view.OnProgramWrite();
    PressOk();
    std::vector<QString> texts;
    for (const Message& m : m_messages) {
        texts.push_back(m.text);
        EXPECT_TRUE(m.dialogShown);
    }
    EXPECT_EQ(texts, c.messages);
}

constexpr RadioRange kVhf{136, 174};
const QString kPartly = QStringLiteral(
    "The radio now holds a partly written memory: write a complete image into it before using it.");

INSTANTIATE_TEST_SUITE_P(
    Ends, PartlyWritten,
    testing::Values(
        PartlyWrittenCase{"FailsAtBlock40", kVhf, RadioFault::NakWrite, 40, 0, {"Communication error", kPartly}},
        PartlyWrittenCase{"SilentAtBlock100", kVhf, RadioFault::SilentWrite, 100, 0, {"Communication error", kPartly}},
        PartlyWrittenCase{"FailsAtTheFirstBlock", kVhf, RadioFault::NakWrite, 0, 0, {"Communication error"}},
        PartlyWrittenCase{"CancelledAfterBlock40", kVhf, RadioFault::None, 40, 40, {kPartly}},
        PartlyWrittenCase{"VhfImageIntoUhfRadio", {400, 520}, RadioFault::None, 40, 0, {"Model do not match"}},
        PartlyWrittenCase{"Completed", kVhf, RadioFault::None, 40, 0, {}}),
    [](const testing::TestParamInfo<PartlyWrittenCase>& info) { return std::string(info.param.name); });

TEST_F(TransferTest, TheDialogIsCalledByItsCaption)
{
    m_view.OnProgramRead();
    EXPECT_EQ(Dialog().accessibleName(), "Read Data");
    m_view.OnProgramWrite();
    EXPECT_EQ(Dialog().windowTitle(), "Write Data");
    EXPECT_EQ(Dialog().accessibleName(), "Write Data");
    EXPECT_EQ(Dialog().m_staticStatus->accessibleName(), "Status");
    QTest::mouseClick(Dialog().m_buttonCancel, Qt::LeftButton);
}

} // namespace
