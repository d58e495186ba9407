#pragma once

#include <QString>
#include <QStringList>

// A syntax check of a udev rules file, for systems whose udevadm cannot
// verify one: every rule is a comma-separated list of KEY OP "VALUE", each
// key with operators it takes and its {attribute} where it needs one, and
// every GOTO has its LABEL further down. Returns one "line N: why" per fault.
[[nodiscard]] QStringList UdevRuleFaults(const QString& rules);
