#include "program_title.h"

#include <QCoreApplication>

QString ProgramTitle()
{
    return QCoreApplication::translate("MessageBox", kProgramName);
}
