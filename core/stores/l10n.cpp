#include "stores/l10n.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTranslator>

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
    QStringList loaded;
    // Qt asks the translator installed last first, so the chosen language goes on top of the
    // English catalogue and every text it lacks still shows in the Linux wording.
    for (const QString &module : moduleNames) {
        QTranslator *english = loadEnglish(module, directories);
        if (english) {
            QCoreApplication::installTranslator(english);
            loaded.append(english->filePath());
        }
        if (locale.language() == QLocale::English)
            continue;
        if (QTranslator *localized = loadLocalized(locale, module, directories)) {
            QCoreApplication::installTranslator(localized);
            loaded.append(localized->filePath());
        }
    }
    return loaded;
}

} // namespace L10n
