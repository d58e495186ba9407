#include "partial_write.h"

#include <QCoreApplication>

QString PartlyWrittenWarning()
{
    return QCoreApplication::translate(
        "TransferProtocol", "The radio now holds a partly written memory: write a complete image into it before using it.");
}
