#include "cli/fleet_radio.h"
#include "cli/fleet_radio_job.h"

#include "cli/interrupt.h"
#include "cli/transfer_command.h"

#include "form/write_verify.h"

#include <QFileInfo>

#include <chrono>
#include <optional>
#include <thread>

namespace {

bool sameMemory(const RadioImage& a, const RadioImage& b)
{
    return VerifyWrittenBlocks(a, b).empty();
}

// No device, or no radio behind it: a second before looking again, unless
// Ctrl+C came meanwhile.
void pauseBeforeLookingAgain(const QString& port)
{
    if (!QFileInfo::exists(QString::fromStdString(TransferTarget(port).device)) && !Interrupted())
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

} // namespace

void WatchFleetPort(const FleetPlan& plan, FleetBoard& board, std::size_t index)
{
    const QString port = board.Radio(index).port;
    // What the radio dealt with last holds; unknown after a write that failed.
    std::optional<RadioImage> left;
    bool learnWhatIsLeft = false;
    while (!Interrupted()) {
        RadioJob job(plan, board, index);
        RadioImage radio;
        if (!job.ReadWhatIsThere(radio)) {
            pauseBeforeLookingAgain(port);
            continue;
        }
        if (learnWhatIsLeft || (left && sameMemory(*left, radio))) {
            left = radio;
            learnWhatIsLeft = false;
            continue;
        }
        if (Interrupted())
            break;
        job.Run(&radio);
        const FleetEnd end = board.Radio(index).end;
        learnWhatIsLeft = !job.Succeeded() && end != FleetEnd::OtherModel;
        left = job.Succeeded() ? job.Written() : radio;
        board.NextRadio(index);
    }
    board.Update(index, [](FleetRadio& entry) {
        entry.step.clear();
        entry.finished = true;
    });
}
