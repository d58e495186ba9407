// Program Several Radios driven as a user does, against simulated radios on
// pseudo-terminals at line rate: each port ticked by key, Start clicked.

#include "frame_fixture.h"
#include "modal_helpers.h"

#include "cli/cli_process.h"
#include "port/fake_port_system.h"

#include "app/command_ids.h"
#include "app/fleet_dialog.h"
#include "app/fleet_run_table.h"
#include "document/channel_file.h"
#include "image/image_layout.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

namespace {

struct FleetCase {
    const char* name;
    std::vector<QStringList> radios; // hmprog-cli sim options of each, besides --line-rate and --save
    std::vector<QString> states;     // each row's state at the end
    std::vector<bool> written;       // each radio holds the form afterwards
    // With Back up first, clicked while the radios are read: a row's Cancel,
    // Cancel All (kCancelAll), or none (-1).
    int cancel = -1;
};

// The radios answer at once, but those of a case with a Cancel at line rate,
// so that the Cancel comes while they are read. At line rate, a machine
// under heavy load can starve a radio's reply past its deadline; the
// written cases need no slow radio.

constexpr int kCancelAll = -2;

const QStringList kVhf = {};
const QStringList kUhf = {"--range", "400-520"};

const FleetCase kCases[] = {
    {"three_written_and_verified", {kVhf, kVhf, kVhf}, {"Done", "Done", "Done"}, {true, true, true}},
    {"other_model_refused", {kVhf, kUhf, kVhf}, {"Done", "Other model", "Done"}, {true, false, true}},
    {"one_cancelled_while_read", {kVhf, kVhf}, {"Done", "Cancelled"}, {true, false}, 1},
    {"all_cancelled_while_read", {kVhf, kVhf}, {"Cancelled", "Cancelled"}, {false, false}, kCancelAll},
};

class FleetDialogTest : public FrameTest, public testing::WithParamInterface<FleetCase> {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // The radios, and the Port menu's devices made of them.
    void StartRadios()
    {
        // Each radio holds other memory than the form, so that a write shows.
        RadioImage own = m_doc.m_image;
        own.setByte(layout::kKillCode, static_cast<std::uint8_t>(own.byte(layout::kKillCode) ^ 0x01));
        ASSERT_TRUE(SaveChannelFile(path("own.sin"), own).ok());
        auto system = std::make_unique<FakePortSystem>(m_tree);
        for (std::size_t n = 0; n < GetParam().radios.size(); ++n) {
            m_sims.push_back(std::make_unique<Sim>(GetParam().radios[n] +
                                                   QStringList{"--image", path("own.sin"), "--save", saved(n)} +
                                                   (cancelling() ? QStringList{"--line-rate"} : QStringList{})));
            ASSERT_FALSE(m_sims.back()->device().isEmpty());
            SerialDevice device;
            device.name = device.path = m_sims.back()->device();
            system->library.push_back(device);
        }
        m_frame->SetPortSystem(std::move(system));
    }

    static bool cancelling() { return GetParam().cancel != -1; }

    QString saved(std::size_t n) const { return path(QStringLiteral("after%1.sin").arg(n)); }

    // The item clicked in the Program menu as it pops up; run acts on the dialog.
    void OpenFromMenu(const std::function<void(QDialog&)>& run)
    {
        QMenu* menu = m_frame->Menu(MenuId::Program);
        menu->popup(m_frame->mapToGlobal(QPoint(40, 40)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QAction* item = m_frame->CommandAction(ID_PROGRAM_FLEET);
        OnceModal(run);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    static void Screenshot(QWidget& dialog, const QString& name)
    {
        const QString folder = qEnvironmentVariable("HMPROG_SCREENSHOTS");
        if (!folder.isEmpty()) {
            EXPECT_TRUE(dialog.grab().save(folder + "/fleet_" + name + ".png"));
        }
    }

    // Every port ticked with the space bar, Verify clicked, Start clicked;
    // the dialog shot while the radios are written and once they are done.
    void Run(CFleetDialog& dialog)
    {
        dialog.m_log->setText(path("fleet.csv"));
        dialog.m_portList->setFocus();
        for (int row = 0; row < dialog.m_portList->count(); ++row) {
            dialog.m_portList->setCurrentRow(row);
            QTest::keyClick(dialog.m_portList, Qt::Key_Space);
        }
        // On the box itself: the check box stretches across the dialog.
        QCheckBox* option = cancelling() ? dialog.m_backup : dialog.m_verify;
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        ASSERT_TRUE(option->isChecked());
        QTest::mouseClick(dialog.m_buttonStart, Qt::LeftButton);
        // A read of the radio at line rate takes seconds: no write has begun.
        if (GetParam().cancel == kCancelAll)
            QTest::mouseClick(dialog.m_buttonCancelAll, Qt::LeftButton);
        else if (GetParam().cancel >= 0)
            QTest::mouseClick(dialog.m_table->cellWidget(GetParam().cancel, CFleetRunTable::CancelColumn),
                              Qt::LeftButton);
        if (cancelling()) {
            auto* bar = static_cast<QProgressBar*>(dialog.m_table->cellWidget(0, CFleetRunTable::Progress));
            ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->value() > 30; }, 20000));
            Screenshot(dialog, QStringLiteral("running_") + GetParam().name);
        }
        ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.m_buttonClose->isEnabled(); }, 60000));
        Screenshot(dialog, QStringLiteral("done_") + GetParam().name);
        for (std::size_t n = 0; n < GetParam().states.size(); ++n)
            EXPECT_EQ(dialog.m_table->item(static_cast<int>(n), CFleetRunTable::State)->text(), GetParam().states[n])
                << dialog.m_table->item(static_cast<int>(n), CFleetRunTable::Result)->text().toStdString();
        QTest::mouseClick(dialog.m_buttonClose, Qt::LeftButton);
    }

    FakeTree m_tree;
    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<Sim>> m_sims;
};

TEST_P(FleetDialogTest, WritesTheFormIntoEachRadioOfItsModel)
{
    ASSERT_NO_FATAL_FAILURE(StartRadios());
    OpenFromMenu([this](QDialog& dialog) { Run(static_cast<CFleetDialog&>(dialog)); });
    ASSERT_EQ(PendingModals(), 0);
    for (std::size_t n = 0; n < m_sims.size(); ++n) {
        ASSERT_EQ(m_sims[n]->stop(), 0);
        RadioImage radio;
        ASSERT_TRUE(LoadChannelFile(saved(n), radio).ok());
        EXPECT_EQ(radio == m_doc.m_image, GetParam().written[n]) << "radio " << n;
    }
    QFile log(path("fleet.csv"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = log.readAll().trimmed().split('\n');
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(m_sims.size()) + 1);
    const QByteArray done = cancelling() ? ",written,," : ",written,yes,";
    const auto verifiedRows = std::count_if(rows.begin(), rows.end(),
                                            [&done](const QByteArray& row) { return row.contains(done); });
    EXPECT_EQ(verifiedRows, std::count(GetParam().written.begin(), GetParam().written.end(), true));
}

INSTANTIATE_TEST_SUITE_P(Radios, FleetDialogTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FleetCase>& info) { return std::string(info.param.name); });

} // namespace
