#include "program_doc.h"

#include "document/channel_file.h"
#include "image/image_bytes.h"

bool CProgramDoc::OnNewDocument()
{
    m_image.ResetToDefaults();
    m_pathName.clear();
    return true;
}

bool CProgramDoc::OnOpenDocument(const QString& path)
{
    const FileStatus status = LoadChannelFile(path, m_image);
    if (!status.ok()) {
        Report(status);
        return false;
    }
    m_pathName = path;
    return true;
}

bool CProgramDoc::OnSaveDocument(const QString& path)
{
    if (m_host)
        m_host->StoreToImage();
    const FileStatus status = SaveChannelFile(path, m_image);
    if (!status.ok()) {
        Report(status);
        return false;
    }
    m_pathName = path;
    return true;
}

void CProgramDoc::Serialize(CArchive& ar)
{
    SerializeImage(ar, m_image);
}

void CProgramDoc::Report(const FileStatus& status)
{
    if (m_host)
        m_host->ReportFileError(status);
}
