#include "stores/l10n.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTranslator>

namespace {

const char translatorName[] = "quillmere-l10n";

QTranslator *loadCatalogue(const QLocale &locale, const QString &module,
                           const QStringList &directories)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(translatorName));
    const QString prefix = module + u'_';
    for (const QString &directory : directories) {
        if (translator->load(locale, module, QStringLiteral("_"), directory))
            return translator;
    }
    for (const QString &directory : directories) {
        if (translator->load(prefix + QStringLiteral("en"), directory))
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
    for (const QString &module : moduleNames) {
        if (QTranslator *translator = loadCatalogue(locale, module, directories)) {
            QCoreApplication::installTranslator(translator);
            loaded.append(translator->filePath());
        }
    }
    return loaded;
}

} // namespace L10n
