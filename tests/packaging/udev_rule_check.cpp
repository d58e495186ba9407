#include "udev_rule_check.h"

#include <QRegularExpression>
#include <QHash>

namespace {

enum KeyUse { Match = 1, Assign = 2 };
enum Attribute { NoAttribute, OptionalAttribute, NeedsAttribute };

struct UdevKey {
    const char* name;
    int uses;
    Attribute attribute;
};

// The keys of udev(7) as systemd 252 reads them.
constexpr UdevKey kKeys[] = {
    {"ACTION", Match, NoAttribute},          {"DEVPATH", Match, NoAttribute},
    {"KERNEL", Match, NoAttribute},          {"KERNELS", Match, NoAttribute},
    {"NAME", Match | Assign, NoAttribute},   {"SYMLINK", Match | Assign, NoAttribute},
    {"SUBSYSTEM", Match, NoAttribute},       {"SUBSYSTEMS", Match, NoAttribute},
    {"DRIVER", Match, NoAttribute},          {"DRIVERS", Match, NoAttribute},
    {"ATTR", Match | Assign, NeedsAttribute}, {"ATTRS", Match, NeedsAttribute},
    {"SYSCTL", Match | Assign, NeedsAttribute}, {"ENV", Match | Assign, NeedsAttribute},
    {"CONST", Match, NeedsAttribute},        {"TAG", Match | Assign, NoAttribute},
    {"TAGS", Match, NoAttribute},            {"TEST", Match, OptionalAttribute},
    {"PROGRAM", Match, NoAttribute},         {"RESULT", Match, NoAttribute},
    {"IMPORT", Match | Assign, NeedsAttribute}, {"OWNER", Assign, NoAttribute},
    {"GROUP", Assign, NoAttribute},          {"MODE", Assign, NoAttribute},
    {"SECLABEL", Assign, NeedsAttribute},    {"RUN", Assign, OptionalAttribute},
    {"LABEL", Assign, NoAttribute},          {"GOTO", Assign, NoAttribute},
    {"OPTIONS", Assign, NoAttribute},
};

const UdevKey* findKey(const QString& name)
{
    for (const UdevKey& key : kKeys) {
        if (name == QLatin1String(key.name))
            return &key;
    }
    return nullptr;
}

// KEY, KEY{attribute}, operator, double-quoted value; then a comma or the end.
const QRegularExpression kPair(QStringLiteral(R"re(\s*([A-Z_]+)(?:\{([^}]*)\})?\s*(==|!=|\+=|-=|:=|=)\s*"((?:[^"\\]|\\.)*)"\s*(,|$))re"));

struct RuleLine {
    int number;
    QString text;
};

// Rules as udev reads them: comments and blank lines dropped, a line ending
// in a backslash joined to the next.
QList<RuleLine> ruleLines(const QString& rules)
{
    QList<RuleLine> lines;
    const QStringList raw = rules.split(QLatin1Char('\n'));
    QString pending;
    int start = 0;
    for (int i = 0; i < raw.size(); ++i) {
        const QString line = raw[i].trimmed();
        if (pending.isEmpty() && (line.isEmpty() || line.startsWith(QLatin1Char('#'))))
            continue;
        if (pending.isEmpty())
            start = i + 1;
        if (line.endsWith(QLatin1Char('\\'))) {
            pending += line.chopped(1);
            continue;
        }
        lines.append({start, pending + line});
        pending.clear();
    }
    if (!pending.isEmpty())
        lines.append({start, pending});
    return lines;
}

QString pairFault(const QString& key, const QString& attribute, bool hasAttribute, const QString& op)
{
    const UdevKey* known = findKey(key);
    if (!known)
        return QStringLiteral("unknown key %1").arg(key);
    const bool matching = op == QLatin1String("==") || op == QLatin1String("!=");
    if (matching && !(known->uses & Match))
        return QStringLiteral("%1 cannot be matched").arg(key);
    if (!matching && !(known->uses & Assign))
        return QStringLiteral("%1 cannot be assigned").arg(key);
    if (known->attribute == NoAttribute && hasAttribute)
        return QStringLiteral("%1 takes no {attribute}").arg(key);
    if (known->attribute == NeedsAttribute && attribute.isEmpty())
        return QStringLiteral("%1 needs an {attribute}").arg(key);
    return {};
}

} // namespace

QStringList UdevRuleFaults(const QString& rules)
{
    QStringList faults;
    QList<std::pair<int, QString>> gotos;
    QHash<QString, int> lastLabelLine;
    for (const RuleLine& line : ruleLines(rules)) {
        qsizetype offset = 0;
        while (!QStringView(line.text).mid(offset).trimmed().isEmpty()) {
            const QRegularExpressionMatch pair =
                kPair.match(line.text, offset, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
            if (!pair.hasMatch()) {
                faults << QStringLiteral("line %1: not KEY OP \"VALUE\": %2").arg(line.number).arg(line.text.mid(offset).trimmed());
                break;
            }
            const QString key = pair.captured(1);
            const QString fault = pairFault(key, pair.captured(2), pair.capturedStart(2) >= 0, pair.captured(3));
            if (!fault.isEmpty())
                faults << QStringLiteral("line %1: %2").arg(line.number).arg(fault);
            if (key == QLatin1String("GOTO"))
                gotos.append({line.number, pair.captured(4)});
            if (key == QLatin1String("LABEL"))
                lastLabelLine.insert(pair.captured(4), line.number);
            offset = pair.capturedEnd(0);
        }
        if (line.text.trimmed().endsWith(QLatin1Char(',')))
            faults << QStringLiteral("line %1: ends in a comma").arg(line.number);
    }
    // udev only jumps forward.
    for (const auto& [number, label] : gotos) {
        if (lastLabelLine.value(label, 0) <= number)
            faults << QStringLiteral("line %1: GOTO \"%2\" has no LABEL after it").arg(number).arg(label);
    }
    return faults;
}
