#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <span>

// What a sub-command does with the file an argument names, so that no
// output replaces an input or another output, and standard input ("-") is
// read only once.
enum class CliFile {
    None,
    Read,
    Written,
};

// One option a sub-command takes: "--port PORT" (a value), or a bare flag
// ("--yes") when it has no value name.
struct CliOption {
    const char* name;
    const char* valueName = nullptr;
    bool required = false;
    CliFile file = CliFile::None;
    // May be given more than once ("--port A --port B"); values() has them all.
    bool repeatable = false;

    bool isFlag() const { return valueName == nullptr; }
};

// Everything a sub-command accepts after its name: its positionals (all of
// them required, in this order, unless they may all be left out), then its
// options, in the order --help lists them and the required ones are asked for.
// missingPositionals words the one mistake of too few positionals.
struct CliSyntax {
    std::span<const char* const> positionals = {};
    bool positionalsOptional = false;
    std::span<const CliOption> options = {};
    const char* missingPositionals = nullptr;
    // What each positional's file is to the sub-command, in their order.
    std::span<const CliFile> positionalFiles = {};
    // The option read whose file the output may be: the file updated in place.
    const char* updatedInPlace = nullptr;
};

// The arguments of one sub-command read against its syntax. Options are
// "--name value", "--name=value" or a bare "--flag"; a positional is any
// other argument that is not empty. A repeated option, a missing or empty
// value, a value that is itself an option ("--output --yes"), an unknown
// option, an empty argument, one positional too many or too few is an error,
// each worded the same way in every sub-command.
class CliArguments {
public:
    CliArguments(const QStringList& args, const CliSyntax& syntax);

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    bool has(const QString& name) const { return m_values.contains(name); }
    QString value(const QString& name) const { return m_values.value(name); }
    // Every value of a repeatable option, in the order given.
    QStringList values(const QString& name) const { return m_repeated.value(name); }
    const QStringList& positionals() const { return m_positionals; }

    // The value as a count from 0 to the largest int; empty when it is one,
    // else why not ("--retries needs a count of 0 or more").
    [[nodiscard]] QString count(const QString& name, int& out) const;

private:
    void take(const CliSyntax& syntax, const QStringList& args, qsizetype& i);
    void takeOption(const CliSyntax& syntax, const QStringList& args, qsizetype& i);
    void takeValue(const QStringList& args, qsizetype& i, const QString& name);
    void checkComplete(const CliSyntax& syntax);
    void fail(const QString& text);

    QHash<QString, QString> m_values;
    QHash<QString, QStringList> m_repeated;
    QStringList m_positionals;
    QString m_error;
};
