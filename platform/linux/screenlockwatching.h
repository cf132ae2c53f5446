#pragma once

#include <QObject>

// Tells when the screen locks and unlocks. Reports from several sources about the same
// lock arrive as one event.
class ScreenLockWatching : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void start() = 0;

signals:
    void locked();
    void unlocked();
};
