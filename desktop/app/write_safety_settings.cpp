#include "write_safety_settings.h"

#include <QSettings>

namespace {

const auto kBackUp = QStringLiteral("Write/BackUpBeforeWrite");
const auto kPreview = QStringLiteral("Write/PreviewBeforeWrite");
const auto kVerify = QStringLiteral("Write/VerifyAfterWrite");

} // namespace

WriteSafety LoadWriteSafety()
{
    const QSettings settings;
    WriteSafety safety;
    safety.backUpBeforeWrite = settings.value(kBackUp, false).toBool();
    safety.previewBeforeWrite = settings.value(kPreview, true).toBool();
    safety.verifyAfterWrite = settings.value(kVerify, false).toBool();
    return safety;
}

void SaveWriteSafety(const WriteSafety& safety)
{
    QSettings settings;
    settings.setValue(kBackUp, safety.backUpBeforeWrite);
    settings.setValue(kPreview, safety.previewBeforeWrite);
    settings.setValue(kVerify, safety.verifyAfterWrite);
}
