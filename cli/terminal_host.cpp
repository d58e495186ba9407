#include "terminal_host.h"

#include "interrupt.h"
#include "print_error.h"
#include "link/progress_text.h"
#include "link/transfer_status.h"

#include <cstdio>

TerminalHost::TerminalHost(TransferDirection direction, PromptPolicy policy)
    : m_direction(direction), m_policy(policy)
{
}

bool TerminalHost::CancelRequested()
{
    return Interrupted();
}

void TerminalHost::Progress(int steps)
{
    m_position += steps;
    const QString percent = QString::fromStdString(ProgressPercentText(m_position, ProgressRange(m_direction)));
    if (percent == m_shownPercent)
        return;
    m_shownPercent = percent;
    showLine();
}

void TerminalHost::ShowStatus(const TransferStatus& status)
{
    m_status = QString::fromStdString(TransferStatusText(status, m_policy.port.toStdString()));
    showLine();
}

// One line, rewritten in place: "Reading 41%  Block 53 of 128".
void TerminalHost::showLine()
{
    if (!m_policy.showProgress)
        return;
    const char* verb = m_direction == TransferDirection::Read ? "Reading" : "Writing";
    const QString percent = m_shownPercent.isEmpty() ? QString::fromStdString(ProgressPercentText(0, 1)) : m_shownPercent;
    std::fprintf(stderr, "\r%s %s  %s\033[K", verb, qPrintable(percent), qPrintable(m_status));
    std::fflush(stderr);
    m_lineShown = true;
}

void TerminalHost::Finish()
{
    if (!m_lineShown)
        return;
    std::fputc('\n', stderr);
    m_lineShown = false;
}

void TerminalHost::ShowMessage(const std::string& text)
{
    Finish();
    PrintError(QString::fromStdString(text));
}

RetryAnswer TerminalHost::AskRetry(const std::string& message)
{
    const QString text = QString::fromStdString(message);
    Finish();
    if (m_policy.automaticRetries > 0) {
        --m_policy.automaticRetries;
        PrintError(text + QStringLiteral(" Retrying."));
        return RetryAnswer::Retry;
    }
    if (m_policy.interactive)
        return askYes(text + QStringLiteral(" Retry? [y/N] ")) ? RetryAnswer::Retry : RetryAnswer::Cancel;
    PrintError(text);
    m_promptUnanswered = true;
    return RetryAnswer::Cancel;
}

VersionAnswer TerminalHost::AskVersion()
{
    Finish();
    const QString text = QString::fromUtf8(kVersionQuestion);
    if (m_policy.continueOnVersion) {
        PrintError(text + QStringLiteral(" Continuing."));
        return VersionAnswer::Continue;
    }
    if (m_policy.interactive)
        return askYes(text + QStringLiteral(" Continue? [y/N] ")) ? VersionAnswer::Continue : VersionAnswer::Cancel;
    PrintError(text + QStringLiteral(" (--yes continues)"));
    m_promptUnanswered = true;
    return VersionAnswer::Cancel;
}

// Ctrl+C while waiting for the answer, or the end of the input, is a no.
bool TerminalHost::askYes(const QString& question)
{
    std::fprintf(stderr, "%s", qPrintable(question));
    std::fflush(stderr);
    char answer[64] = {};
    if (std::fgets(answer, sizeof answer, stdin) == nullptr || Interrupted()) {
        std::fputc('\n', stderr);
        return false;
    }
    return answer[0] == 'y' || answer[0] == 'Y';
}
