#include "port/trace_file.h"

#include "document/file_kind.h"
#include "document/path_bytes.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {

// The translation context of this file's texts.
class TraceFileTexts {
    Q_DECLARE_TR_FUNCTIONS(TraceFileTexts)
};

} // namespace

QString TraceFailedText(const QString& shownPath)
{
    return TraceFileTexts::tr("Could not write the trace %1").arg(shownPath);
}

bool TraceFile::Check()
{
    return write(false);
}

void TraceFile::Line(std::string_view text)
{
    m_text += text;
    m_text += '\n';
}

bool TraceFile::Save()
{
    return write(true);
}

bool TraceFile::write(bool keep)
{
    m_error = CheckOutputFile(m_path);
    if (!m_error.isEmpty())
        return false;
#if defined(Q_OS_UNIX)
    // A name that is not UTF-8 is beyond QSaveFile, which would write another.
    if (HoldsUndecodedBytes(m_path)) {
        if (keep)
            m_error = ReplaceUndecodedFile(m_path, QByteArray::fromStdString(m_text));
        return m_error.isEmpty();
    }
#endif
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        m_error = file.errorString();
        return false;
    }
    if (!keep) {
        file.cancelWriting();
        return true;
    }
    file.write(m_text.data(), static_cast<qint64>(m_text.size()));
    if (!file.commit()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}
