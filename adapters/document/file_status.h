#pragma once

#include <QString>

// The outcome of a file operation. A failure carries the fixed text the user
// is shown and, apart from it, this program's own detail: the path and the
// operating system's reason.
class [[nodiscard]] FileStatus {
public:
    static FileStatus Ok() { return FileStatus(); }
    static FileStatus Failed(QString text, QString detail) { return FileStatus(std::move(text), std::move(detail)); }

    bool ok() const { return m_text.isEmpty(); }
    const QString& text() const { return m_text; }
    const QString& detail() const { return m_detail; }

private:
    FileStatus() = default;
    FileStatus(QString text, QString detail) : m_text(std::move(text)), m_detail(std::move(detail)) {}

    QString m_text;
    QString m_detail;
};
