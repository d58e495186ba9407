#pragma once

#include <string>
#include <string_view>

// Why a port could not be opened, in terms the user can act on.
enum class OpenFailure {
    None,
    MissingDevice,     // no such port: wrong name, or the cable is unplugged
    PermissionDenied,  // the user may not use the port
    Busy,              // another program holds the port
    Other,
};

// The outcome of opening a port. A failure keeps the operating system's own
// text beside the kind of failure and, for a refused device, the group whose
// members may use it (empty where joining a group would not help).
class [[nodiscard]] OpenStatus {
public:
    static OpenStatus Opened() { return OpenStatus(OpenFailure::None, {}, {}); }
    static OpenStatus Failed(OpenFailure failure, std::string systemText, std::string accessGroup = {})
    {
        return OpenStatus(failure, std::move(systemText), std::move(accessGroup));
    }

    bool ok() const { return m_failure == OpenFailure::None; }
    OpenFailure failure() const { return m_failure; }
    const std::string& systemText() const { return m_systemText; }
    const std::string& accessGroup() const { return m_accessGroup; }

private:
    OpenStatus(OpenFailure failure, std::string systemText, std::string accessGroup)
        : m_failure(failure), m_systemText(std::move(systemText)), m_accessGroup(std::move(accessGroup))
    {
    }

    OpenFailure m_failure;
    std::string m_systemText;
    std::string m_accessGroup;
};

// The message every failed open shows: "Could not open the port".
const char* OpenFailedMessage();

// What goes under "Could not open the port", the same on every host: the port
// as the host names it, the system's reason and what the user can do about
// it. A refused device names the group the user must be in.
std::string OpenFailureDetail(std::string_view port, const OpenStatus& status);
