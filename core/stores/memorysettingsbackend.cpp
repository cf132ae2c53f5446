#include "stores/memorysettingsbackend.h"

MemorySettingsBackend::MemorySettingsBackend(const QString &domain)
    : MemorySettingsBackend(std::make_shared<Storage>(), domain)
{
}

MemorySettingsBackend::MemorySettingsBackend(std::shared_ptr<Storage> storage,
                                             const QString &domain)
    : m_storage(std::move(storage)), m_domain(domain)
{
}

QVariant MemorySettingsBackend::value(const QString &key)
{
    QMutexLocker locker(&m_storage->mutex);
    return m_storage->domains.value(m_domain).value(key);
}

QStringList MemorySettingsBackend::keys()
{
    QMutexLocker locker(&m_storage->mutex);
    return m_storage->domains.value(m_domain).keys();
}

void MemorySettingsBackend::write(const QString &key, const QVariant &value)
{
    QMutexLocker locker(&m_storage->mutex);
    if (value.isValid())
        m_storage->domains[m_domain].insert(key, value);
    else
        m_storage->domains[m_domain].remove(key);
}

void MemorySettingsBackend::removeAll()
{
    QMutexLocker locker(&m_storage->mutex);
    m_storage->domains.remove(m_domain);
}

std::unique_ptr<SettingsBackend> MemorySettingsBackend::forDomain(const QString &domain) const
{
    if (domain.isEmpty())
        return nullptr;
    return std::unique_ptr<SettingsBackend>(new MemorySettingsBackend(m_storage, domain));
}
