#include "transfer_status.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TransferStatus", text);
}

} // namespace

QString TransferStatusText(const TransferStatus& status, const QString& port)
{
    switch (status.stage) {
    case TransferStatus::Stage::WaitingForRadio:
        return tr("Waiting for the radio on %1").arg(port);
    case TransferStatus::Stage::Identifying:
        return tr("Identifying the radio");
    case TransferStatus::Stage::Block:
        return tr("Block %1 of %2").arg(status.block).arg(status.blocks);
    case TransferStatus::Stage::Done:
        return tr("Done");
    }
    return {};
}

QString StatusPortName(const QString& name, const QString& device)
{
    if (device.isEmpty() || device == name)
        return name;
    return QStringLiteral("%1 (%2)").arg(name, device);
}
