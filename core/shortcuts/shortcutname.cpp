#include "shortcuts/shortcutname.h"

#include "stores/settingskeys.h"

namespace GlobalShortcuts {

QString Name::settingsKey() const
{
    return QLatin1String(SettingsKeys::globalShortcutsPrefix) + rawValue;
}

Name Name::ejectAll()
{
    return Name{QStringLiteral("ejectAll"), std::nullopt};
}

} // namespace GlobalShortcuts
