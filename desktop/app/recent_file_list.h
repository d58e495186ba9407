#pragma once

#include <QString>
#include <QStringList>

// The most recently opened or saved files, newest first, kept in the user's
// settings of the application. The menus do not show them.
class CRecentFileList {
public:
    static constexpr int kSize = 4;

    void ReadList();
    void Add(const QString& path);

    const QStringList& Files() const { return m_files; }

private:
    void WriteList() const;

    QStringList m_files;
};
