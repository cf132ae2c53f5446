#include "shortcuts/shortcutname.h"

#include "stores/defaultskeys.h"

namespace GlobalShortcuts {

QString Name::userDefaultsKey() const
{
    return QLatin1String(DefaultsKeys::globalShortcutsPrefix) + rawValue;
}

Name Name::ejectAll()
{
    return Name{QStringLiteral("ejectAll"), std::nullopt};
}

} // namespace GlobalShortcuts
