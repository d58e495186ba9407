#include "open_status.h"

#include "image/text_fill.h"
#include "image/ui_text.h"

namespace {

std::string permissionAdvice(const std::string& group)
{
    if (group.empty())
        return HMPROG_TEXT("Permission denied: ask for the right to use this device.");
#if defined(__linux__)
    return FillText(HMPROG_TEXT("Permission denied: the device belongs to the group \"%1\", and your user must be in "
                                "that group (for example: sudo usermod -aG %1 $USER, then log in again)."),
                    {group});
#else
    return FillText(
        HMPROG_TEXT("Permission denied: the device belongs to the group \"%1\", and your user must be in that group."),
        {group});
#endif
}

std::string adviceFor(const OpenStatus& status)
{
    switch (status.failure()) {
    case OpenFailure::None:
        return {};
    case OpenFailure::MissingDevice:
        return HMPROG_TEXT("The device is missing: plug in the programming cable and check the port's name.");
    case OpenFailure::PermissionDenied:
        return permissionAdvice(status.accessGroup());
    case OpenFailure::Busy:
        return HMPROG_TEXT("The port is busy: another program holds it. Close that program and try again.");
    case OpenFailure::Other:
        break;
    }
    return HMPROG_TEXT("The port could not be opened.");
}

} // namespace

const char* OpenFailedMessage()
{
    return HMPROG_TEXT("Could not open the port");
}

std::string OpenFailureDetail(std::string_view port, const OpenStatus& status)
{
    if (status.systemText().empty())
        return FillText("%1: %2", {std::string(port), adviceFor(status)});
    return FillText("%1: %2. %3", {std::string(port), status.systemText(), adviceFor(status)});
}
