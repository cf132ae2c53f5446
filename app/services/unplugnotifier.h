#pragma once

#include "model/volume.h"
#include "operations/unplugnotices.h"

#include <QCoro/QCoroTask>
#include <QHash>
#include <QObject>
#include <QString>
#include <optional>

class QTimer;
class ReplaceableNotifications;

// Tells the user that a drive being ejected is still written to, and then that it can be
// unplugged, as desktop notifications. UnplugNotices decides; this class keeps the timers and
// the notifications' ids. Main thread.
class UnplugNotifier : public QObject {
    Q_OBJECT
public:
    explicit UnplugNotifier(ReplaceableNotifications *notifications, QObject *parent = nullptr);
    ~UnplugNotifier() override;

    void ejectBegan(const Volume &volume);
    void ejectEnded(const Volume &volume, bool ejected);

    static QString writingTitle(const QString &name);
    static QString writingBody();
    static QString safeTitle(const QString &name);

private:
    void apply(const UnplugNotices::Decision &decision);
    QCoro::Task<> show(UnplugNotices::Decision decision);

    ReplaceableNotifications *m_notifications;
    UnplugNotices m_notices;
    // Per volume id: the delay of its running eject.
    QHash<QString, QTimer *> m_delays;
    struct Shown {
        quint32 id = 0;
        // The notice is on its way to the server; what came after it waits for its id.
        bool pending = false;
        std::optional<UnplugNotices::Decision> next;
    };
    QHash<QString, Shown> m_shown;
};
