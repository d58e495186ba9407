#include "recent_file_list.h"

#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString EntryKey(int n)
{
    return QStringLiteral("File%1").arg(n + 1);
}

} // namespace

void CRecentFileList::ReadList()
{
    QSettings settings;
    settings.beginGroup(kSection);
    m_files.clear();
    for (int n = 0; n < kSize; ++n) {
        const QString path = settings.value(EntryKey(n)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files << path;
    }
}

void CRecentFileList::Add(const QString& path)
{
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kSize)
        m_files.removeLast();
    WriteList();
}

void CRecentFileList::WriteList() const
{
    QSettings settings;
    settings.beginGroup(kSection);
    for (int n = 0; n < kSize; ++n) {
        if (n < m_files.size())
            settings.setValue(EntryKey(n), m_files.at(n));
        else
            settings.remove(EntryKey(n));
    }
}
