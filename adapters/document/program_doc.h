#pragma once

#include "document/file_status.h"
#include "image/archive.h"
#include "image/radio_image.h"

#include <QString>

// What the document needs of the program around it: the form view stores
// itself into the image before every save, and failures are shown to the user.
class CProgramDocHost {
public:
    virtual ~CProgramDocHost() = default;
    virtual void StoreToImage() = 0;
    virtual void ReportFileError(const FileStatus& status) = 0;
};

// The one document of the program: it owns the radio image and gives it its
// three life events, File New, File Open and File Save.
class CProgramDoc {
public:
    RadioImage m_image;

    void SetHost(CProgramDocHost* host) { m_host = host; }

    // Reset the image to its defaults.
    [[nodiscard]] bool OnNewDocument();
    // Load the file's first 1024 bytes; on failure the image stays as it was.
    [[nodiscard]] bool OnOpenDocument(const QString& path);
    // Store the form, then write the 1024 bytes; the old file survives a failure.
    [[nodiscard]] bool OnSaveDocument(const QString& path);

    // Storing writes the 1024 image bytes in offset order; loading replaces the
    // whole image, but only once all 1024 bytes have been read.
    void Serialize(CArchive& ar);

    const QString& GetPathName() const { return m_pathName; }
    // The image stays, the file is let go: the next Save asks for a name.
    void ForgetPathName() { m_pathName.clear(); }

private:
    void Report(const FileStatus& status);

    CProgramDocHost* m_host = nullptr;
    QString m_pathName;
};
