#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The options of one sub-command: "--name value", "--name=value" or a bare
// "--flag". Anything else, a repeated option or a missing value is an error.
class CliOptions {
public:
    CliOptions(const QStringList& args, const QStringList& valueOptions, const QStringList& flags);

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    bool has(const QString& name) const { return m_values.contains(name); }
    QString value(const QString& name) const { return m_values.value(name); }

    // The value as a count of at least 0; false when it is not one.
    [[nodiscard]] bool count(const QString& name, int& out) const;

private:
    QHash<QString, QString> m_values;
    QString m_error;
};
