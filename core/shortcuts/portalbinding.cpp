#include "shortcuts/portalbinding.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace GlobalShortcuts::PortalBinding {

namespace {

const QString descriptionKey = QStringLiteral("description");
const QString triggerKey = QStringLiteral("preferredTrigger");

} // namespace

QStringList namesToBind(const QMap<QString, Request> &wanted,
                        const QMap<QString, Request> &lastBound, const QSet<QString> &listed)
{
    QStringList names;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        const auto bound = lastBound.constFind(it.key());
        if (!listed.contains(it.key()) || bound == lastBound.cend() || *bound != it.value())
            names.append(it.key());
    }
    return names;
}

QString encode(const QMap<QString, Request> &bound)
{
    QJsonObject object;
    for (auto it = bound.cbegin(); it != bound.cend(); ++it) {
        QJsonObject request;
        request.insert(descriptionKey, it->description);
        request.insert(triggerKey, it->preferredTrigger);
        object.insert(it.key(), request);
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QMap<QString, Request> decode(const QString &text)
{
    QMap<QString, Request> bound;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    const QJsonObject object = document.object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (!it.value().isObject())
            continue;
        const QJsonObject request = it.value().toObject();
        if (!request.value(descriptionKey).isString() || !request.value(triggerKey).isString())
            continue;
        bound.insert(it.key(), Request{request.value(descriptionKey).toString(),
                                       request.value(triggerKey).toString()});
    }
    return bound;
}

DeliveryStatus deliveryStatus(const NameState &state)
{
    if (!state.triggerDescription.isEmpty())
        return {DeliveryState::delivered, state.triggerDescription};
    if (state.refusal != DeliveryState::none)
        return {state.refusal, {}};
    if (state.answered)
        return {DeliveryState::awaitingUser, {}};
    return {DeliveryState::pending, {}};
}

} // namespace GlobalShortcuts::PortalBinding
