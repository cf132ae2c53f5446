#include "stores/userdefaults.h"

#include "stores/defaultsvaluecodec.h"
#include "stores/jsonfiledefaultsbackend.h"
#include "stores/memorydefaultsbackend.h"

#include <QMetaMethod>

UserDefaults::UserDefaults(std::unique_ptr<UserDefaultsBackend> backend, QObject *parent)
    : QObject(parent), m_backend(std::move(backend))
{
    Q_ASSERT(m_backend);
    connect(m_backend.get(), &UserDefaultsBackend::changedElsewhere, this, &UserDefaults::changed);
}

UserDefaults::~UserDefaults() = default;

void UserDefaults::connectNotify(const QMetaMethod &signal)
{
    // Watching the folder costs milliseconds, so only listeners pay for it.
    if (signal == QMetaMethod::fromSignal(&UserDefaults::changed))
        m_backend->watchForChanges();
}

std::unique_ptr<UserDefaults> UserDefaults::standard()
{
    return std::make_unique<UserDefaults>(std::make_unique<JsonFileDefaultsBackend>(
        JsonFileDefaultsBackend::defaultDirectory(), QStringLiteral(QUILLMERE_APP_ID)));
}

std::unique_ptr<UserDefaults> UserDefaults::inMemory(const QString &domain)
{
    return std::make_unique<UserDefaults>(std::make_unique<MemoryDefaultsBackend>(domain));
}

QString UserDefaults::domain() const
{
    return m_backend->domain();
}

std::unique_ptr<UserDefaults> UserDefaults::suite(const QString &domain) const
{
    auto backend = m_backend->forDomain(domain);
    if (!backend)
        return nullptr;
    return std::make_unique<UserDefaults>(std::move(backend));
}

QVariant UserDefaults::object(const QString &key) const
{
    return m_backend->value(key);
}

QStringList UserDefaults::keys() const
{
    return m_backend->keys();
}

std::optional<bool> UserDefaults::boolValue(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::Bool)
        return std::nullopt;
    return value.toBool();
}

std::optional<qint64> UserDefaults::integer(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    return value.toLongLong();
}

std::optional<double> UserDefaults::doubleValue(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::Double && value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    return value.toDouble();
}

std::optional<QString> UserDefaults::string(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<QVariantList> UserDefaults::array(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    return value.toList();
}

std::optional<QStringList> UserDefaults::stringList(const QString &key) const
{
    const auto list = array(key);
    if (!list)
        return std::nullopt;
    QStringList strings;
    for (const QVariant &element : *list) {
        if (element.typeId() != QMetaType::QString)
            return std::nullopt;
        strings.append(element.toString());
    }
    return strings;
}

std::optional<QByteArray> UserDefaults::data(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return value.toByteArray();
}

std::optional<QDateTime> UserDefaults::date(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QDateTime)
        return std::nullopt;
    return value.toDateTime();
}

bool UserDefaults::setObject(const QString &key, const QVariant &value)
{
    if (key.isEmpty())
        return false;
    const auto normalised = DefaultsValueCodec::normalise(value);
    if (!normalised)
        return false;
    m_backend->write(key, *normalised);
    emit changed();
    return true;
}

void UserDefaults::setBool(const QString &key, bool value)
{
    setObject(key, QVariant(value));
}

void UserDefaults::setInteger(const QString &key, qint64 value)
{
    setObject(key, QVariant(value));
}

void UserDefaults::setDouble(const QString &key, double value)
{
    setObject(key, QVariant(value));
}

void UserDefaults::setString(const QString &key, const QString &value)
{
    setObject(key, QVariant(value));
}

void UserDefaults::setStringList(const QString &key, const QStringList &value)
{
    setObject(key, QVariant(value));
}

void UserDefaults::setData(const QString &key, const QByteArray &value)
{
    setObject(key, QVariant(value));
}

void UserDefaults::setDate(const QString &key, const QDateTime &value)
{
    setObject(key, QVariant(value));
}

void UserDefaults::remove(const QString &key)
{
    if (key.isEmpty())
        return;
    m_backend->write(key, QVariant());
    emit changed();
}

void UserDefaults::removeAll()
{
    m_backend->removeAll();
    emit changed();
}
