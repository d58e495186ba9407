#pragma once

#include <QByteArray>
#include <QString>

// Writing a file that must never replace anything: the name is taken when
// anything at all stands there (a file, a folder, a symbolic link, even one
// that points nowhere), and nothing is ever written through a link. Two
// programs that write the same name at once get one file each or a refusal,
// never one file for both.

enum class NewFileResult { Written, NameTaken, Failed };

struct [[nodiscard]] NewFileOutcome {
    NewFileResult result = NewFileResult::Failed;
    QString reason;  // "path: reason" when Failed
};

// Writes bytes as the new file path, readable and writable by its owner
// only, as a temporary file is. Where the file system allows, the bytes go
// to a temporary file beside it first and appear under path whole.
NewFileOutcome WriteNewFile(const QString& path, const QByteArray& bytes);
