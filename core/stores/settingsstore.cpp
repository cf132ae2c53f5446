#include "stores/settingsstore.h"

#include "stores/jsonfilesettingsbackend.h"
#include "stores/memorysettingsbackend.h"
#include "stores/settingsvaluecodec.h"

#include <QMetaMethod>

SettingsStore::SettingsStore(std::unique_ptr<SettingsBackend> backend, QObject *parent)
    : QObject(parent), m_backend(std::move(backend))
{
    Q_ASSERT(m_backend);
    connect(m_backend.get(), &SettingsBackend::changedElsewhere, this, &SettingsStore::changed);
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::connectNotify(const QMetaMethod &signal)
{
    // Watching the folder costs milliseconds, so only listeners pay for it.
    if (signal == QMetaMethod::fromSignal(&SettingsStore::changed))
        m_backend->watchForChanges();
}

std::unique_ptr<SettingsStore> SettingsStore::standard()
{
    return std::make_unique<SettingsStore>(std::make_unique<JsonFileSettingsBackend>(
        JsonFileSettingsBackend::defaultDirectory(), QStringLiteral(QUILLMERE_APP_ID)));
}

std::unique_ptr<SettingsStore> SettingsStore::inMemory(const QString &domain)
{
    return std::make_unique<SettingsStore>(std::make_unique<MemorySettingsBackend>(domain));
}

QString SettingsStore::domain() const
{
    return m_backend->domain();
}

std::unique_ptr<SettingsStore> SettingsStore::suite(const QString &domain) const
{
    auto backend = m_backend->forDomain(domain);
    if (!backend)
        return nullptr;
    return std::make_unique<SettingsStore>(std::move(backend));
}

QVariant SettingsStore::object(const QString &key) const
{
    return m_backend->value(key);
}

QStringList SettingsStore::keys() const
{
    return m_backend->keys();
}

std::optional<bool> SettingsStore::boolValue(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::Bool)
        return std::nullopt;
    return value.toBool();
}

std::optional<qint64> SettingsStore::integer(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    return value.toLongLong();
}

std::optional<double> SettingsStore::doubleValue(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::Double && value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    return value.toDouble();
}

std::optional<QString> SettingsStore::string(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<QVariantList> SettingsStore::array(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    return value.toList();
}

std::optional<QStringList> SettingsStore::stringList(const QString &key) const
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

std::optional<QByteArray> SettingsStore::data(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return value.toByteArray();
}

std::optional<QDateTime> SettingsStore::date(const QString &key) const
{
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QDateTime)
        return std::nullopt;
    return value.toDateTime();
}

bool SettingsStore::setObject(const QString &key, const QVariant &value)
{
    if (key.isEmpty())
        return false;
    const auto normalised = SettingsValueCodec::normalise(value);
    if (!normalised)
        return false;
    m_backend->write(key, *normalised);
    emit changed();
    return true;
}

void SettingsStore::setBool(const QString &key, bool value)
{
    setObject(key, QVariant(value));
}

void SettingsStore::setInteger(const QString &key, qint64 value)
{
    setObject(key, QVariant(value));
}

void SettingsStore::setDouble(const QString &key, double value)
{
    setObject(key, QVariant(value));
}

void SettingsStore::setString(const QString &key, const QString &value)
{
    setObject(key, QVariant(value));
}

void SettingsStore::setStringList(const QString &key, const QStringList &value)
{
    setObject(key, QVariant(value));
}

void SettingsStore::setData(const QString &key, const QByteArray &value)
{
    setObject(key, QVariant(value));
}

void SettingsStore::setDate(const QString &key, const QDateTime &value)
{
    setObject(key, QVariant(value));
}

void SettingsStore::remove(const QString &key)
{
    if (key.isEmpty())
        return;
    m_backend->write(key, QVariant());
    emit changed();
}

void SettingsStore::removeAll()
{
    m_backend->removeAll();
    // What the running program still sets until it quits (a window's place, the pane) lives
    // in memory only: a write to the file would bring back the folder and file just removed.
    auto memory = std::make_unique<MemorySettingsBackend>(m_backend->domain());
    m_backend = std::move(memory);
    connect(m_backend.get(), &SettingsBackend::changedElsewhere, this, &SettingsStore::changed);
    emit changed();
}
