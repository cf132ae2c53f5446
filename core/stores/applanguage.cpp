#include "stores/applanguage.h"

const QList<AppLanguage> &AppLanguage::allCases()
{
    static const QList<AppLanguage> cases{AppLanguage::en, AppLanguage::de, AppLanguage::fr,
                                          AppLanguage::ja, AppLanguage::es};
    return cases;
}

std::optional<AppLanguage> AppLanguage::fromCode(const QString &code)
{
    for (const AppLanguage language : allCases()) {
        if (language.code() == code)
            return language;
    }
    return std::nullopt;
}

QString AppLanguage::code() const
{
    switch (m_value) {
    case en:
        return QStringLiteral("en");
    case de:
        return QStringLiteral("de");
    case fr:
        return QStringLiteral("fr");
    case ja:
        return QStringLiteral("ja");
    case es:
        return QStringLiteral("es");
    }
    return {};
}

QString AppLanguage::endonym() const
{
    switch (m_value) {
    case en:
        return QStringLiteral("English");
    case de:
        return QStringLiteral("Deutsch");
    case fr:
        return QStringLiteral("Français");
    case ja:
        return QStringLiteral("日本語");
    case es:
        return QStringLiteral("Español");
    }
    return {};
}
