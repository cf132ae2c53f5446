#pragma once

#include "stores/settingsbackend.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

// The defaults database of one domain: typed values (Boolean, integer, double, string, string
// list or array, bytes, date) read afresh from the backend at each use. A typed getter gives a
// value only when the stored one has that type, so a Boolean never reads as the text "true".
class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(std::unique_ptr<SettingsBackend> backend, QObject *parent = nullptr);
    ~SettingsStore() override;

    // The application's own domain, one JSON file under $XDG_CONFIG_HOME/quillmere/.
    static std::unique_ptr<SettingsStore> standard();
    // Only the values held in memory; for tests.
    static std::unique_ptr<SettingsStore>
    inMemory(const QString &domain = QStringLiteral("memory"));

    QString domain() const;
    // Another domain in the same kind of storage (the predecessor's settings); null when the
    // name cannot be a domain.
    std::unique_ptr<SettingsStore> suite(const QString &domain) const;

    // Invalid when absent.
    QVariant object(const QString &key) const;
    bool contains(const QString &key) const { return object(key).isValid(); }
    QStringList keys() const;

    std::optional<bool> boolValue(const QString &key) const;
    std::optional<qint64> integer(const QString &key) const;
    // Integers read as doubles too.
    std::optional<double> doubleValue(const QString &key) const;
    std::optional<QString> string(const QString &key) const;
    std::optional<QVariantList> array(const QString &key) const;
    // Absent unless the array holds only strings.
    std::optional<QStringList> stringList(const QString &key) const;
    std::optional<QByteArray> data(const QString &key) const;
    std::optional<QDateTime> date(const QString &key) const;

    // False (and nothing stored) for an empty key or a type that cannot be stored.
    bool setObject(const QString &key, const QVariant &value);
    void setBool(const QString &key, bool value);
    void setInteger(const QString &key, qint64 value);
    void setDouble(const QString &key, double value);
    void setString(const QString &key, const QString &value);
    void setStringList(const QString &key, const QStringList &value);
    void setData(const QString &key, const QByteArray &value);
    void setDate(const QString &key, const QDateTime &value);
    void remove(const QString &key);
    // Forgets the whole domain for good (uninstall): its storage goes, and what is set
    // afterwards is kept in memory only, so nothing of the domain comes back.
    void removeAll();

signals:
    // A value of this domain changed, here or in another process.
    void changed();

protected:
    void connectNotify(const QMetaMethod &signal) override;

private:
    std::unique_ptr<SettingsBackend> m_backend;
};
