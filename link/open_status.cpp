#include "open_status.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("OpenStatus", text);
}

} // namespace

QString OpenFailedMessage()
{
    return tr("Could not open the port");
}

QString OpenFailureAdvice(OpenFailure failure)
{
    switch (failure) {
    case OpenFailure::None:
        return QString();
    case OpenFailure::MissingDevice:
        return tr("There is no such port: check the port name and that the cable is plugged in.");
    case OpenFailure::PermissionDenied:
        return tr("You may not use this port: ask for access to serial ports (on Linux, the dialout group).");
    case OpenFailure::Busy:
        return tr("Another program is using this port: close it and try again.");
    case OpenFailure::Other:
        break;
    }
    return tr("The port could not be opened.");
}
