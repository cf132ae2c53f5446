#include "stores/memorydefaultsbackend.h"

MemoryDefaultsBackend::MemoryDefaultsBackend(const QString &domain)
    : MemoryDefaultsBackend(std::make_shared<Storage>(), domain)
{
}

MemoryDefaultsBackend::MemoryDefaultsBackend(std::shared_ptr<Storage> storage,
                                             const QString &domain)
    : m_storage(std::move(storage)), m_domain(domain)
{
}

QVariant MemoryDefaultsBackend::value(const QString &key)
{
    QMutexLocker locker(&m_storage->mutex);
    return m_storage->domains.value(m_domain).value(key);
}

QStringList MemoryDefaultsBackend::keys()
{
    QMutexLocker locker(&m_storage->mutex);
    return m_storage->domains.value(m_domain).keys();
}

void MemoryDefaultsBackend::write(const QString &key, const QVariant &value)
{
    QMutexLocker locker(&m_storage->mutex);
    if (value.isValid())
        m_storage->domains[m_domain].insert(key, value);
    else
        m_storage->domains[m_domain].remove(key);
}

void MemoryDefaultsBackend::removeAll()
{
    QMutexLocker locker(&m_storage->mutex);
    m_storage->domains.remove(m_domain);
}

std::unique_ptr<UserDefaultsBackend> MemoryDefaultsBackend::forDomain(const QString &domain) const
{
    if (domain.isEmpty())
        return nullptr;
    return std::unique_ptr<UserDefaultsBackend>(new MemoryDefaultsBackend(m_storage, domain));
}
