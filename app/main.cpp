#include "program_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CProgramApp theApp;
    if (!theApp.InitInstance(QApplication::arguments().mid(1)))
        return theApp.ExitCode();
    return QApplication::exec();
}
