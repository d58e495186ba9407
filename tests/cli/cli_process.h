#pragma once

// hmprog-cli run as a child process, and hmprog-cli sim serving a
// pseudo-terminal for the length of a test.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <csignal>

inline QProcessEnvironment childEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    return env;
}

struct Outcome {
    int exitCode = -1;
    QString errors;
    QString output;
};

inline Outcome runCli(const QStringList& args, int timeoutMs = 60000)
{
    QProcess process;
    process.setProcessEnvironment(childEnvironment());
    process.start(QStringLiteral(HMPROG_CLI), args);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError()), QString::fromLocal8Bit(process.readAllStandardOutput())};
}

// hmprog-cli run in folder (so that relative names land there) with input on
// its standard input; out is what it wrote to standard output, byte for byte.
struct FedRun {
    int exitCode = -1;
    QByteArray out;
    QString errors;
};

inline FedRun runCliIn(const QString& folder, const QStringList& args, const QByteArray& input,
                       int timeoutMs = 30000)
{
    QProcess process;
    process.setProcessEnvironment(childEnvironment());
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(HMPROG_CLI), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// hmprog-cli sim, from its first line of output until it is stopped.
class Sim {
public:
    explicit Sim(const QStringList& args)
    {
        m_process.setProcessEnvironment(childEnvironment());
        m_process.start(QStringLiteral(HMPROG_CLI), QStringList{QStringLiteral("sim")} + args);
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~Sim() { static_cast<void>(stop()); }

    const QString& device() const { return m_device; }

    // SIGUSR1: the line the radio prints about its line since the last one.
    QString report()
    {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGUSR1);
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        return QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }

    [[nodiscard]] int stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return m_process.exitCode();
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished();
            return -1;
        }
        return m_process.exitCode();
    }

private:
    QProcess m_process;
    QString m_device;
};
