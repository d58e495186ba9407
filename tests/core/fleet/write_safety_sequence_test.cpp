// One write with what keeps the radio's memory safe around it, against the
// simulated radio: the steps it runs, how it ends, what the radio then holds.

#include "support/link_fakes.h"

#include "fleet/write_safety_sequence.h"
#include "image/image_layout.h"
#include "link/transfer_session.h"
#include "sim/demo_image.h"
#include "sim/sim_link.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using End = WriteSafetyOutcome::End;

// Channel 1 received on 151.82000 MHz, where the radio has the demo's.
RadioImage fileToWrite()
{
    RadioImage file = DemoRadioImage();
    const std::uint8_t frequency[] = {0x00, 0x20, 0x18, 0x15};
    for (std::size_t i = 0; i < 4; ++i)
        file.setByte(0x010 + layout::kRxFrequency + i, frequency[i]);
    return file;
}

// What the host answers; "" steps: every question not asked.
struct Answers {
    bool acceptValues = false;
    bool backupKept = true;
    bool knowsRadio = false;
    FirstWriteAnswer firstWrite = FirstWriteAnswer::Cancel;
    bool confirm = true;
    bool restore = true;
};

// The host: every transfer through the session onto one simulated radio;
// the steps and questions written down as letters.
class SimHost final : public WriteSafetyHost, private TransferPorts {
public:
    SimHost(RadioOptions radio, Answers answers) : m_radio(DemoRadioImage(), radio), m_answers(answers) {}

    std::string steps;
    int backups = 0;
    const RadioImage& radioMemory() const { return m_radio.memory(); }

    WriteStepResult Transfer(WriteStep step, TransferDirection direction, RadioImage& image) override
    {
        static const char* const kLetters[] = {"B", "P", "W", "V", "R"};
        steps += kLetters[static_cast<int>(step)];
        TransferSession session(*this, m_host);
        const TransferResult result = session.Run({true, "", "sim"}, direction, image, {13600000, 17400000});
        return {result, session.LeftPartlyWritten()};
    }
    bool AcceptImpossibleValues(const RadioImage&, const std::vector<ImpossibleValue>&) override
    {
        steps += "?";
        return m_answers.acceptValues;
    }
    bool KeepBackup(const RadioImage&) override { return m_answers.backupKept && ++backups > 0; }
    std::optional<RadioImage> LastKnownRadio(const RadioImage&) override
    {
        return m_answers.knowsRadio ? std::optional(DemoRadioImage()) : std::nullopt;
    }
    FirstWriteAnswer AskFirstWrite() override
    {
        steps += "1";
        return m_answers.firstWrite;
    }
    bool ConfirmWrite(const RadioImage& radio, const RadioImage&) override
    {
        steps += radio == DemoRadioImage() ? "c" : "!";
        return m_answers.confirm;
    }
    std::optional<RadioImage> RadioHeld() override { return std::nullopt; }
    WriteGate BeforeWrite(bool) override { return WriteGate::Go; }
    bool OfferRestore() override
    {
        steps += "o";
        return m_answers.restore;
    }

private:
    SerialLink& LinkFor(const PortTarget&) override { return m_link; }

    VirtualClock m_clock;
    SimulatedRadio m_radio;
    SimLink m_link{m_radio, m_clock};
    Journal m_journal;
    RecordingHost m_host{m_journal};
    Answers m_answers;
};

struct SequenceCase {
    const char* name;
    WriteSafetyOptions options;
    RadioOptions radio;
    Answers answers;
    bool impossibleFile;
    std::string steps;   // B read before, P read for the preview, W write, V verify, R restore;
                         // ? values asked, 1 first-write asked, c preview of the radio, o restore offered
    End end;
    bool radioHoldsFile; // else what it held before
    int backups;
    bool verified;
};

const RadioOptions kGood{};
const RadioOptions kNakBlock40{.fault = RadioFault::NakWrite};
const RadioOptions kStoresBlock40Wrong{.fault = RadioFault::StoreWrong};
const RadioOptions kUhfRadio{.range = {400, 520}};

const SequenceCase kCases[] = {
    {"BackupKeptThenVerified", {.backUp = true, .verify = true}, kGood, {}, false, "BWV", End::Written, true, 1, true},
    {"BackupNotKeptWritesNothing", {.backUp = true}, kGood, {.backupKept = false}, false, "B", End::NoBackup, false,
     0, false},
    {"PreviewOfTheKnownRadioDeclined", {.preview = true}, kGood, {.knowsRadio = true, .confirm = false}, false, "c",
     End::PreviewDeclined, false, 0, false},
    {"PreviewWithNothingKnownReadsFirst", {.preview = true}, kGood, {.firstWrite = FirstWriteAnswer::ReadFirst},
     false, "1PcW", End::Written, true, 1, false},
    {"PreviewWithNothingKnownCancelled", {.preview = true}, kGood, {}, false, "1", End::PreviewDeclined, false, 0,
     false},
    {"VerifyFindsTheBlockStoredWrong", {.verify = true}, kStoresBlock40Wrong, {}, false, "WV", End::Written, false, 0,
     false},
    {"WriteStopsPartWayRestoreOffered", {.backUp = true}, kNakBlock40, {}, false, "BWoR", End::WriteFailed, false, 1,
     false},
    // The file's one change lies before block 40: the radio holds it, with nothing to restore.
    {"WriteStopsPartWayWithoutBackupOffersNothing", {}, kNakBlock40, {}, false, "W", End::WriteFailed, true, 0,
     false},
    {"OtherModelNeverWritten", {.verify = true}, kUhfRadio, {}, false, "W", End::OtherModel, false, 0, false},
    {"ImpossibleValuesRefused", {.backUp = true}, kGood, {}, true, "?", End::ValuesRefused, false, 0, false},
};

class WriteSafetySequence : public testing::TestWithParam<SequenceCase> {};

TEST_P(WriteSafetySequence, RunsItsStepsAndEndsAsTheRadioAnswers)
{
    const SequenceCase& c = GetParam();
    SimHost host(c.radio, c.answers);
    RadioImage file = fileToWrite();
    if (c.impossibleFile)
        file.setByte(layout::kModel, 0x00);

    const WriteSafetyOutcome outcome = WriteSafely(host, c.options, file);

    EXPECT_EQ(host.steps, c.steps);
    EXPECT_EQ(outcome.end, c.end);
    EXPECT_EQ(host.radioMemory() == file, c.radioHoldsFile);
    EXPECT_EQ(host.backups, c.backups);
    EXPECT_EQ(outcome.Verified(), c.verified);
    EXPECT_EQ(outcome.partlyWritten, c.radio.fault == RadioFault::NakWrite);
    EXPECT_EQ(outcome.mismatches.size(), c.radio.fault == RadioFault::StoreWrong ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteSafetySequence, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The form's channels and settings go onto the radio's own memory: its kill
// code stays, and the read back compares what was really sent.
TEST(WriteSafetySequenceKeepingRadioData, WritesTheFileFormOntoTheRadio)
{
    SimHost host(kGood, {});
    RadioImage file = fileToWrite();
    file.setByte(layout::kKillCode, static_cast<std::uint8_t>(DemoRadioImage().byte(layout::kKillCode) ^ 0x01));
    const WriteSafetyOutcome outcome = WriteSafely(host, {.keepRadioData = true, .verify = true}, file);
    EXPECT_EQ(host.steps, "BWV");
    EXPECT_TRUE(outcome.radioDataKept);
    EXPECT_TRUE(outcome.Verified());
    EXPECT_EQ(host.radioMemory(), outcome.written);
    EXPECT_EQ(outcome.written.byte(0x010 + layout::kRxFrequency + 1), 0x20);
    EXPECT_EQ(outcome.written.byte(layout::kKillCode), DemoRadioImage().byte(layout::kKillCode));
}

} // namespace
