#include "command_line_info.h"
#include "program_app.h"

#include "hmprog_version.h"
#include "translations/translations.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (AsksForVersion(arguments)) {
        std::puts("hmprog " HMPROG_VERSION);
        return 0;
    }
    if (PrintsWithoutWindow(arguments) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    InstallTranslations(app);
    CProgramApp theApp;
    if (!theApp.InitInstance(QApplication::arguments().mid(1)))
        return theApp.ExitCode();
    return QApplication::exec();
}
