#pragma once

#include "stores/settingsbackend.h"

#include <QHash>
#include <QMutex>
#include <QVariantMap>

// Defaults kept in memory only. Backends made from one another with forDomain share their
// storage, so a test can fill a second domain before code under test opens it.
class MemorySettingsBackend : public SettingsBackend {
    Q_OBJECT
public:
    explicit MemorySettingsBackend(const QString &domain = QStringLiteral("memory"));

    QString domain() const override { return m_domain; }
    QVariant value(const QString &key) override;
    QStringList keys() override;
    void write(const QString &key, const QVariant &value) override;
    void removeAll() override;
    std::unique_ptr<SettingsBackend> forDomain(const QString &domain) const override;

private:
    struct Storage {
        QMutex mutex;
        QHash<QString, QVariantMap> domains;
    };
    MemorySettingsBackend(std::shared_ptr<Storage> storage, const QString &domain);

    std::shared_ptr<Storage> m_storage;
    QString m_domain;
};
