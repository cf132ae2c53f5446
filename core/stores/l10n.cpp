#include "stores/l10n.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <algorithm>

namespace {

const char translatorName[] = "quillmere-l10n";

QTranslator *newTranslator()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(translatorName));
    return translator;
}

QTranslator *loadEnglish(const QString &module, const QStringList &directories)
{
    QTranslator *translator = newTranslator();
    for (const QString &directory : directories) {
        if (translator->load(module + QStringLiteral("_en"), directory))
            return translator;
    }
    delete translator;
    return nullptr;
}

// An empty catalogue (a language nobody has translated yet) would hide the English one.
QTranslator *loadLocalized(const QLocale &locale, const QString &module,
                           const QStringList &directories)
{
    QTranslator *translator = newTranslator();
    for (const QString &directory : directories) {
        if (translator->load(locale, module, QStringLiteral("_"), directory) &&
            !translator->isEmpty())
            return translator;
    }
    delete translator;
    return nullptr;
}

// "C", "POSIX", "C.UTF-8" and an unset variable name no language.
bool namesNoLanguage(const QString &name)
{
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.startsWith(QLatin1String("C.")) || name.startsWith(QLatin1String("POSIX."));
}

// English is the catalogue under every other. C and POSIX name no language unless LANGUAGE
// lists some; looking for their catalogues only costs a search through every folder.
bool needsLocalizedCatalogues(const QLocale &locale)
{
    if (locale.language() == QLocale::English)
        return false;
    if (locale.language() != QLocale::C)
        return true;
    const QStringList languages = locale.uiLanguages();
    return !std::all_of(languages.cbegin(), languages.cend(), namesNoLanguage);
}

} // namespace

namespace L10n {

const QStringList &modules()
{
    static const QStringList names{QStringLiteral("quillmere_core"),
                                   QStringLiteral("quillmere_app")};
    return names;
}

QStringList searchDirectories()
{
    QStringList directories{QStringLiteral(":/translations")};
    const QString applicationDir = QCoreApplication::applicationDirPath();
    if (!applicationDir.isEmpty()) {
        directories.append(QDir(applicationDir).filePath(QStringLiteral("translations")));
        directories.append(
            QDir::cleanPath(applicationDir + QStringLiteral("/../share/quillmere/translations")));
    }
    directories.append(QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                 QStringLiteral("quillmere/translations"),
                                                 QStandardPaths::LocateDirectory));
    directories.removeDuplicates();
    return directories;
}

QLocale localeFor(const std::optional<QString> &languageOverride)
{
    if (languageOverride && !languageOverride->isEmpty())
        return QLocale(*languageOverride);
    return QLocale::system();
}

QLocale formatsLocale(const std::optional<QString> &languageOverride, const QString &systemFormats,
                      const QLocale &system)
{
    const bool systemHasFormats = !namesNoLanguage(systemFormats);
    if (languageOverride && !languageOverride->isEmpty()) {
        const QLocale chosen(*languageOverride);
        if (systemHasFormats && QLocale(systemFormats).language() == chosen.language())
            return system;
        return chosen;
    }
    if (systemHasFormats)
        return system;
    // The first of the system's languages (LANGUAGE, LC_MESSAGES), as the catalogues take it.
    const QString language = system.uiLanguages().value(0);
    return language.isEmpty() ? system : QLocale(language);
}

QString systemFormatsName()
{
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

QStringList install(const std::optional<QString> &languageOverride, const QStringList &directories,
                    const QStringList &moduleNames)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return {};
    const auto previous = application->findChildren<QTranslator *>(QLatin1String(translatorName),
                                                                   Qt::FindDirectChildrenOnly);
    for (QTranslator *translator : previous) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }

    const QLocale locale = localeFor(languageOverride);
    QLocale::setDefault(formatsLocale(languageOverride, systemFormatsName()));
    QStringList loaded;
    // Qt asks the translator installed last first, so the chosen language goes on top of the
    // English catalogue and every text it lacks still shows in English.
    for (const QString &module : moduleNames) {
        QTranslator *english = loadEnglish(module, directories);
        if (english) {
            QCoreApplication::installTranslator(english);
            loaded.append(english->filePath());
        }
        if (!needsLocalizedCatalogues(locale))
            continue;
        if (QTranslator *localized = loadLocalized(locale, module, directories)) {
            QCoreApplication::installTranslator(localized);
            loaded.append(localized->filePath());
        }
    }
    if (needsLocalizedCatalogues(locale)) {
        QTranslator *qt = newTranslator();
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    return loaded;
}

} // namespace L10n
