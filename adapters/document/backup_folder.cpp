#include "document/backup_folder.h"

#include "document/display_path.h"
#include "document/new_file.h"
#include "image/image_bytes.h"
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

// "2026-12-07_14-03-22_HM-615V.sin", then "...-2.sin", "...-3.sin".
QString nthName(const QString& fileName, int n)
{
    return n == 1 ? fileName : QStringLiteral("%1-%2.sin").arg(QFileInfo(fileName).completeBaseName()).arg(n);
}

QByteArray storedBytes(const RadioImage& image)
{
    const std::vector<std::uint8_t> bytes = ImageFileBytes(image);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
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
    // Another read may keep its backup in the same second, in this program
    // or another: each name is taken exclusively, and a taken one passed by.
    const QDir folder(folderPath);
    const QByteArray bytes = storedBytes(image);
    for (int n = 1;; ++n) {
        const QString path = folder.filePath(nthName(BackupFileName(image, when), n));
        const NewFileOutcome written = WriteNewFile(path, bytes);
        if (written.result == NewFileResult::Written)
            return {path, {}};
        if (written.result == NewFileResult::Failed)
            return {{}, BackupFolderTexts::tr("Could not keep a backup: %1").arg(written.reason)};
    }
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
