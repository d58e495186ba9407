#pragma once

#include <QString>

// Why a port could not be opened, in terms the user can act on.
enum class OpenFailure {
    None,
    MissingDevice,     // no such port: wrong name, or the cable is unplugged
    PermissionDenied,  // the user may not use the port
    Busy,              // another program holds the port
    Other,
};

// The outcome of opening a port. A failure keeps the operating system's own
// text beside the kind of failure.
class [[nodiscard]] OpenStatus {
public:
    static OpenStatus Opened() { return OpenStatus(OpenFailure::None, QString()); }
    static OpenStatus Failed(OpenFailure failure, QString systemText)
    {
        return OpenStatus(failure, std::move(systemText));
    }

    bool ok() const { return m_failure == OpenFailure::None; }
    OpenFailure failure() const { return m_failure; }
    const QString& systemText() const { return m_systemText; }

private:
    OpenStatus(OpenFailure failure, QString systemText) : m_failure(failure), m_systemText(std::move(systemText)) {}

    OpenFailure m_failure;
    QString m_systemText;
};

// The message every failed open shows: "Could not open the port".
QString OpenFailedMessage();

// One sentence on what the user can do about the failure.
QString OpenFailureAdvice(OpenFailure failure);
