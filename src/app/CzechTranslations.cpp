#include "CzechTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallCzechTranslations(QCoreApplication& app) {
    // The program is Czech whatever the desktop's language: its own texts are, so Qt's must be.
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    QLocale::setDefault(czech);
    auto* translator = new QTranslator(&app);
    if (!translator->load(czech, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
