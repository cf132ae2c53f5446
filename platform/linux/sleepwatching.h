#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <qcoro/qcorotask.h>

// Tells when the machine is about to sleep and when it woke. The sleep handler's task runs
// before the machine sleeps; sleep waits for it to finish (within what the system allows).
class SleepWatching : public QObject {
    Q_OBJECT
public:
    using SleepHandler = std::function<QCoro::Task<>()>;

    using QObject::QObject;

    virtual void setSleepHandler(SleepHandler handler) = 0;
    virtual void start() = 0;

signals:
    void woke();
    // Sleep cannot be observed or delayed here; emitted at most once.
    void unavailable(const QString &reason);
};
