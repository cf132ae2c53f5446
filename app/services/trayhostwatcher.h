#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

class QDBusServiceWatcher;

// Tells when the desktop has a tray: a StatusNotifierWatcher on the session bus with a host
// registered, or on X11 an XEmbed tray manager (the owner of the _NET_SYSTEM_TRAY_S0
// selection). Qt decides between the two once per process, when the first tray icon is made,
// so the icon must wait for a host; a panel that starts after the program, or restarts, is seen
// through this. Main thread.
class TrayHostWatcher : public QObject {
    Q_OBJECT
public:
    explicit TrayHostWatcher(QDBusConnection sessionBus, QObject *parent = nullptr);

    // Asks once and then watches; hostAppeared() follows for a host there now.
    void start();
    bool hasHost() const { return m_hasHost; }

signals:
    // A host came (again): a new panel knows nothing of icons shown to the one before.
    void hostAppeared();

private:
    void askStatusNotifierWatcher();
    void onAnswer(bool watcherPresent, bool hostRegistered);
    // On X11: whether an XEmbed tray manager is there.
    bool xembedManagerPresent() const;
    void checkXEmbed();
    void announce();

    QDBusConnection m_bus;
    QDBusServiceWatcher *m_serviceWatcher = nullptr;
    bool m_hasHost = false;
    bool m_watcherPresent = false;
    // Polls for an XEmbed manager while no host is there; the selection has no signal.
    QTimer m_xembedPoll;
    // A panel offering both kinds registers its StatusNotifier host moments after taking the
    // selection; the icon waits that long, for Qt would otherwise settle on XEmbed for good.
    QTimer m_xembedGrace;
};
