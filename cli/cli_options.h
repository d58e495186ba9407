#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The options of one sub-command: "--name value", "--name=value" or a bare
// "--flag". Anything else, a repeated option, a missing or empty value, or a
// value that is itself an option ("--output --yes") is an error.
class CliOptions {
public:
    CliOptions(const QStringList& args, const QStringList& valueOptions, const QStringList& flags);

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    bool has(const QString& name) const { return m_values.contains(name); }
    QString value(const QString& name) const { return m_values.value(name); }

    // The value as a count from 0 to the largest int; empty when it is one,
    // else why not ("--retries needs a count of 0 or more").
    [[nodiscard]] QString count(const QString& name, int& out) const;

private:
    [[nodiscard]] QString takeValue(const QStringList& args, qsizetype& i, const QString& name);

    QHash<QString, QString> m_values;
    QString m_error;
};
