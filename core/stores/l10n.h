#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// Loads the Qt Linguist catalogues of the program's modules ("quillmere_core",
// "quillmere_app", "quillmere_cli"). Source texts are English; the English catalogue adds only
// their plural forms and answers every text the chosen language lacks. A missing catalogue is not
// an error.
namespace L10n {

const QStringList &modules();
// The resources, the folder beside the executable, and the installed data folders.
QStringList searchDirectories();
// The locale catalogues are chosen for: the override when given, else the system's.
QLocale localeFor(const std::optional<QString> &languageOverride);
// The locale of numbers, dates and byte counts. An override brings its language's formats, unless
// the system's formats are already of that language (Swiss German stays Swiss). Without one the
// system's formats (LC_ALL, LC_NUMERIC, LANG) apply, and where those are C or POSIX, the formats of
// the language the texts are in (LANGUAGE=de on a C system writes 1,5 GB).
// systemFormats is the name of the system's formats locale as the environment gives it.
QLocale formatsLocale(const std::optional<QString> &languageOverride, const QString &systemFormats,
                      const QLocale &system = QLocale::system());
// That name from the environment of this process.
QString systemFormatsName();

// Replaces the catalogues installed by an earlier call on the running application, makes
// formatsLocale the default QLocale, and returns the program's catalogue files loaded. Qt's own
// texts (command-line help, text-field menus) come from Qt's catalogue of the language where one
// is installed.
QStringList install(const std::optional<QString> &languageOverride,
                    const QStringList &directories = searchDirectories(),
                    const QStringList &moduleNames = modules());

} // namespace L10n
