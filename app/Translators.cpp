#include "app/Translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Compiled in from translations/, one file per language.
constexpr char kOwnTranslations[] = ":/i18n";

QTranslator* loaded(QCoreApplication& app, const QLocale& locale, const QString& name,
                    const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

void installTranslators(QCoreApplication& app, const QString& language) {
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    // The C locale means the program's own texts, whatever LANGUAGE says, as
    // gettext has it.
    if (locale.language() == QLocale::C)
        return;
    if (!language.isEmpty())
        QLocale::setDefault(locale);
    const QTranslator* own =
        loaded(app, locale, QStringLiteral("vellumix"), QLatin1String(kOwnTranslations));
    // Qt's dialogs speak the language the program speaks, English included.
    if (own)
        loaded(app, QLocale(own->language()), QStringLiteral("qtbase"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
