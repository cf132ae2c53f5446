#include "shortcuts/shortcut.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>

namespace GlobalShortcuts {

namespace {

constexpr char keyCodeKey[] = "carbonKeyCode";
constexpr char modifiersKey[] = "carbonModifiers";

// JSON numbers arrive as doubles; only whole numbers that an integer holds exactly count.
std::optional<qint64> integer(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number || std::fabs(number) > 9.0e15)
        return std::nullopt;
    return static_cast<qint64>(number);
}

} // namespace

QString Shortcut::toJson() const
{
    QJsonObject object;
    object.insert(QLatin1String(keyCodeKey), carbonKeyCode);
    object.insert(QLatin1String(modifiersKey), carbonModifiers);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

std::optional<Shortcut> Shortcut::fromJson(const QString &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const std::optional<qint64> keyCode = integer(object.value(QLatin1String(keyCodeKey)));
    const std::optional<qint64> modifiers = integer(object.value(QLatin1String(modifiersKey)));
    if (!keyCode || !modifiers)
        return std::nullopt;
    return Shortcut{*keyCode, *modifiers};
}

} // namespace GlobalShortcuts
