#include "document/backup_folder.h"

#include "document/channel_file.h"
#include "document/display_path.h"
#include "image/image_layout.h"
#include "image/radio_models.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

// The translation context of this file's texts.
class BackupFolderTexts {
    Q_DECLARE_TR_FUNCTIONS(BackupFolderTexts)
};

// The desktop program keeps its settings under its own organization and
// application names, so the folder is built from the generic data location:
// both programs then find the same one.
constexpr const char* kProgramFolder = "hmprog";
constexpr const char* kBackupsFolder = "backups";
constexpr const char* kStampFormat = "yyyy-MM-dd_HH-mm-ss";
constexpr qsizetype kStampLength = 19;

QString modelName(const RadioImage& image)
{
    const RadioModel* model = ModelByByte(image.byte(layout::kModel));
    return model ? QString::fromLatin1(model->modelText.data(), static_cast<qsizetype>(model->modelText.size()))
                 : QStringLiteral("unknown");
}

// The first name in the folder that no file has yet.
QString freePath(const QDir& folder, const QString& fileName)
{
    const QString stem = QFileInfo(fileName).completeBaseName();
    QString candidate = fileName;
    for (int n = 2; folder.exists(candidate); ++n)
        candidate = QStringLiteral("%1-%2.sin").arg(stem).arg(n);
    return folder.filePath(candidate);
}

} // namespace

QString BackupFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(QStringLiteral("%1/%2").arg(QLatin1String(kProgramFolder), QLatin1String(kBackupsFolder)));
}

QString BackupFileName(const RadioImage& image, const QDateTime& when)
{
    return QStringLiteral("%1_%2.sin").arg(when.toString(QLatin1String(kStampFormat)), modelName(image));
}

KeptBackup KeepBackup(const RadioImage& image, const QDateTime& when)
{
    const QString folderPath = BackupFolder();
    if (!QDir().mkpath(folderPath))
        return {{}, BackupFolderTexts::tr("Could not keep a backup: cannot create the folder %1.").arg(DisplayPath(folderPath))};
    const QString path = freePath(QDir(folderPath), BackupFileName(image, when));
    const FileStatus saved = SaveChannelFile(path, image);
    if (!saved.ok())
        return {{}, BackupFolderTexts::tr("Could not keep a backup: %1").arg(saved.detail().isEmpty() ? saved.text() : saved.detail())};
    return {path, {}};
}

QStringList ListBackups()
{
    const QDir folder(BackupFolder());
    QFileInfoList files = folder.entryInfoList({QStringLiteral("*.sin")}, QDir::Files);
    // The name starts with the moment it was kept; within one second the
    // file written last is the newer.
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QString stampA = a.fileName().left(kStampLength);
        const QString stampB = b.fileName().left(kStampLength);
        if (stampA != stampB)
            return stampA > stampB;
        return a.fileName().size() != b.fileName().size() ? a.fileName().size() > b.fileName().size()
                                                          : a.fileName() > b.fileName();
    });
    QStringList paths;
    for (const QFileInfo& file : files)
        paths.append(file.absoluteFilePath());
    return paths;
}
