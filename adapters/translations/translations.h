#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// Installs, on app, the program's translation for locale and Qt's own for
// the same language, each when there is one. Returns the language of the
// program's translation that was loaded ("de"), or an empty text when the
// program stays in English.
QString InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());
