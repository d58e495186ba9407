#include "translations/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The program's own .qm files are built into it; Qt's come with the system.
const QString kProgramTranslations = QStringLiteral(":/i18n");

// The translator installed on app, or null when there is no file for locale.
QTranslator* install(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

QString InstallTranslations(QCoreApplication& app, const QLocale& locale)
{
    // English is the program's own language: no file stands for it, and Qt's
    // English texts need none either.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return {};
    install(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QTranslator* own = install(app, locale, QStringLiteral("hmprog"), kProgramTranslations);
    return own ? own->language() : QString();
}
