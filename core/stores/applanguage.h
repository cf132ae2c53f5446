#pragma once

#include <QList>
#include <QString>
#include <optional>

// A language the user can choose for the interface; the code is what the preferences store.
class AppLanguage {
public:
    enum Value { en, de, fr, ja, es };

    constexpr AppLanguage(Value value) : m_value(value) {}

    static const QList<AppLanguage> &allCases();
    static std::optional<AppLanguage> fromCode(const QString &code);

    constexpr Value value() const { return m_value; }
    QString code() const;
    // The language's name in itself, as the picker shows it.
    QString endonym() const;
    constexpr bool operator==(const AppLanguage &) const = default;

private:
    Value m_value;
};
