#pragma once

#include "link/tracing_link.h"

#include <QString>

#include <string>

// The file a trace goes into. It gathers the lines of one or more transfers
// and puts them all in place at each Save, so that the file never holds half
// a line and what it held is replaced only by a complete trace.
class TraceFile final : public TraceSink {
public:
    explicit TraceFile(QString path) : m_path(std::move(path)) {}

    // Whether the file can be written, before any transfer depends on it: a
    // device or FIFO in its place is refused, never replaced. false with the
    // reason in errorString().
    [[nodiscard]] bool Check();
    void Line(std::string_view text) override;
    // Writes every line so far; false with the reason in errorString().
    [[nodiscard]] bool Save();

    const QString& path() const { return m_path; }
    const QString& errorString() const { return m_error; }

private:
    [[nodiscard]] bool write(bool keep);

    QString m_path;
    std::string m_text;
    QString m_error;
};

// "Could not write the trace %1", the path as the caller shows it.
[[nodiscard]] QString TraceFailedText(const QString& shownPath);
