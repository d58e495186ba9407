// The backups of the radio's memory that the form keeps and looks up.

#include "editor/program_view.h"

#include "document/backup_folder.h"
#include "document/channel_file.h"
#include "document/display_path.h"
#include "image/image_layout.h"

// A backup that cannot be kept is said, but the read has completed all the
// same: the form holds what the radio holds.
void CProgramView::keepBackup(const RadioImage& image)
{
    if (!m_keepBackups)
        return;
    const KeptBackup kept = KeepBackup(image);
    if (kept.ok())
        m_statusAfterTransfer = tr("A backup of the radio is kept in %1").arg(DisplayPath(kept.path));
    else
        m_statusAfterTransfer = tr("No backup of this read could be kept: %1").arg(kept.failure);
}

std::optional<RadioImage> CProgramView::LastKnownRadio(const RadioImage& sameModelAs) const
{
    const std::uint8_t model = sameModelAs.byte(layout::kModel);
    if (m_radioHolds && m_radioHolds->byte(layout::kModel) == model)
        return m_radioHolds;
    // A form that keeps no backups does not look into the folder either.
    if (!m_keepBackups)
        return std::nullopt;
    for (const QString& path : ListBackups()) {
        RadioImage backup;
        if (LoadChannelFile(path, backup).ok() && backup.byte(layout::kModel) == model)
            return backup;
    }
    return std::nullopt;
}
