#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <memory>

// Where the values of one defaults domain live. Values passed in and out are normalised
// (see SettingsValueCodec); an invalid QVariant means "absent".
class SettingsBackend : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QString domain() const = 0;
    virtual QVariant value(const QString &key) = 0;
    virtual QStringList keys() = 0;
    // An invalid value removes the key.
    virtual void write(const QString &key, const QVariant &value) = 0;
    virtual void removeAll() = 0;
    // The same kind of storage for another domain; null when the name is not usable.
    virtual std::unique_ptr<SettingsBackend> forDomain(const QString &domain) const = 0;
    // Someone listens: from now on, report changes made elsewhere without waiting for a read.
    virtual void watchForChanges() {}

signals:
    // Another process (or another backend object over the same storage) changed the values.
    void changedElsewhere();
};
