#pragma once

// hmprog-cli run as a child process, and hmprog-cli sim serving a
// pseudo-terminal for the length of a test.

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

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

// program: what to start instead, such as a shell that starts hmprog-cli.
inline FedRun runCliIn(const QString& folder, const QStringList& args, const QByteArray& input,
                       int timeoutMs = 30000, const QString& program = QStringLiteral(HMPROG_CLI))
{
    QProcess process;
    process.setProcessEnvironment(childEnvironment());
    process.setWorkingDirectory(folder);
    process.start(program, args);
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

// A pseudo-terminal for a child's standard error: the child shows its
// progress there, as on a user's screen, and the test reads it line by line.
class PtyScreen {
public:
    PtyScreen()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && ::grantpt(m_master) == 0 && ::unlockpt(m_master) == 0)
            m_slave = QString::fromLocal8Bit(::ptsname(m_master));
    }
    ~PtyScreen()
    {
        if (m_master >= 0)
            ::close(m_master);
    }

    const QString& slave() const { return m_slave; }
    const QString& text() const { return m_text; }

    // Keys typed on the terminal: the child reads them as its standard input.
    bool type(const QByteArray& keys) { return ::write(m_master, keys.constData(), keys.size()) == keys.size(); }

    // Reads what the child shows until text appears, the child ends (EIO once
    // no one holds the terminal) or timeoutMs pass.
    bool waitFor(const QString& text, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_text.contains(text) && timer.elapsed() < timeoutMs) {
            pollfd fd{m_master, POLLIN, 0};
            if (::poll(&fd, 1, 100) <= 0)
                continue;
            char buffer[256];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            m_text += QString::fromLocal8Bit(buffer, n);
        }
        return m_text.contains(text);
    }

private:
    int m_master = -1;
    QString m_slave;
    QString m_text;
};
