#pragma once

#include "editor/program_view.h"
#include "editor/progress_dialog.h"
#include "link/transfer_session.h"

#include "grid/ms_flex_grid.h"
#include "document/program_doc.h"
#include "sim/demo_image.h"
#include "sim/sim_link.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>

// The simulated radio in this process on a virtual clock, so that a transfer
// costs the test no waiting, even with a silent radio. Opens are counted and
// can be made to fail.
class TestPorts final : public TransferPorts, private SerialLink {
public:
    explicit TestPorts(RadioOptions options = {}) : radio(DemoRadioImage(), options) {}
    TestPorts(const RadioImage& memory, RadioOptions options) : radio(memory, options) {}

    SerialLink& LinkFor(const PortTarget& target) override
    {
        targets.push_back(target);
        return *this;
    }

    VirtualClock clock;
    SimulatedRadio radio;
    std::vector<PortTarget> targets;
    QStringList opened;
    std::optional<OpenStatus> openFailure;
    bool configured = false;
    // Called with every write, as it goes out.
    std::function<void(std::span<const std::uint8_t>)> onWrite;
    bool isOpen() const { return m_sim.isOpen(); }

private:
    OpenStatus Open(const std::string& name) override
    {
        opened << QString::fromStdString(name);
        return openFailure ? *openFailure : m_sim.Open(name);
    }
    void Configure() override { configured = true; }
    void PurgeAll() override { m_sim.PurgeAll(); }
    void Clear() override { m_sim.Clear(); }
    WriteResult Write(std::span<const std::uint8_t> bytes) override
    {
        if (onWrite)
            onWrite(bytes);
        return m_sim.Write(bytes);
    }
    ReadResult Read(std::size_t n) override { return m_sim.Read(n); }
    void Sleep(std::chrono::milliseconds duration) override { m_sim.Sleep(duration); }
    void Close() override { m_sim.Close(); }

    SimLink m_sim{radio, clock};
};

// The form over a new document, its transfers going to a TestPorts radio
// through the path "/dev/ttyTEST", its prompts answered from lists (Cancel
// once they run out).
class TransferTest : public testing::Test {
protected:
    struct Message {
        QString text;
        QString detail;
        bool dialogShown;
    };

    void SetUp() override
    {
        ASSERT_TRUE(m_doc.OnNewDocument());
        m_view.OnInitialUpdate();
        m_view.show();
        QApplication::setActiveWindow(&m_view);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_view));
        UseRadio({});
        m_view.OnPortOther(QStringLiteral("/dev/ttyTEST"));

        TransferPrompts prompts;
        prompts.showMessage = [this](const QString& text, const QString& detail) {
            m_messages.push_back({text, detail, Dialog().isVisible()});
        };
        prompts.askRetry = [this](const QString& text) {
            m_retryTexts << text;
            return take(m_retryAnswers, RetryAnswer::Cancel);
        };
        prompts.askVersion = [this] {
            ++m_versionAsked;
            return take(m_versionAnswers, VersionAnswer::Cancel);
        };
        m_view.SetTransferPrompts(prompts);
        // What the dialog showed as it went away.
        QObject::connect(Dialog().m_progress, &QProgressBar::valueChanged, [this](int value) {
            if (m_atPosition && value == m_atPosition->first)
                m_atPosition->second();
        });
    }

    void UseRadio(RadioOptions options)
    {
        m_ports = std::make_unique<TestPorts>(options);
        m_view.SetTransferPorts(m_ports.get());
    }

    CProgressDialog& Dialog() { return *m_view.ProgressDialog(); }
    QString Cell(long row, long col) const { return m_view.Grid()->GetTextMatrix(row, col); }

    // Runs act when the progress bar reaches position.
    void AtPosition(int position, std::function<void()> act) { m_atPosition.emplace(position, std::move(act)); }
    // Cancel clicked as a user would: the click waits in the queue for a poll.
    void CancelAtPosition(int position)
    {
        AtPosition(position, [this] {
            QTimer::singleShot(0, Dialog().m_buttonCancel, [this] {
                QTest::mouseClick(Dialog().m_buttonCancel, Qt::LeftButton);
            });
        });
    }

    // OK, then the posted start runs the whole transfer.
    void PressOk()
    {
        QTest::mouseClick(Dialog().m_buttonOk, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !Dialog().isVisible(); }, 5000));
    }

    template <typename Answer>
    static Answer take(std::deque<Answer>& answers, Answer fallback)
    {
        if (answers.empty())
            return fallback;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    CProgramDoc m_doc;
    std::unique_ptr<TestPorts> m_ports;
    CProgramView m_view{&m_doc};
    std::vector<Message> m_messages;
    QStringList m_retryTexts;
    std::deque<RetryAnswer> m_retryAnswers;
    int m_versionAsked = 0;
    std::deque<VersionAnswer> m_versionAnswers;
    std::optional<std::pair<int, std::function<void()>>> m_atPosition;
};
