#pragma once

#include "port/port_diagnosis.h"

#include <QJsonObject>

// One device for scripts: its path (null for an adapter without a device
// file), kind, the adapter's ids as four hexadecimal digits, whether this
// user can open it, and each problem with its stable kind name, its text and
// its command.
QJsonObject PortReportJson(const PortReport& report);

// "no-permission", "busy", ...: the names scripts test for.
const char* PortProblemName(PortProblem problem);
