#pragma once

#include <QString>
#include <optional>

// The build channel, told by the application id.
class AppChannel {
public:
    enum Value { production, staging };

    constexpr AppChannel(Value value) : m_value(value) {}

    static AppChannel current();
    // staging when the id ends with ".staging", otherwise (also without an id) production.
    static AppChannel detect(const std::optional<QString> &bundleIdentifier);

    constexpr Value value() const { return m_value; }
    constexpr bool isStaging() const { return m_value == staging; }
    constexpr bool operator==(const AppChannel &) const = default;

private:
    Value m_value;
};
