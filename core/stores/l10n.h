#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// Loads the Qt Linguist catalogues of the program's modules ("quillmere_core",
// "quillmere_app", "quillmere_cli"). Source texts are English; the English catalogue holds the
// Linux wording and answers every text the chosen language lacks. A missing catalogue is not an
// error.
namespace L10n {

const QStringList &modules();
// The resources, the folder beside the executable, and the installed data folders.
QStringList searchDirectories();
// The locale catalogues are chosen for: the override when given, else the system's.
QLocale localeFor(const std::optional<QString> &languageOverride);

// Replaces the catalogues installed by an earlier call on the running application; returns the
// files loaded.
QStringList install(const std::optional<QString> &languageOverride,
                    const QStringList &directories = searchDirectories(),
                    const QStringList &moduleNames = modules());

} // namespace L10n
