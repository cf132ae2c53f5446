#include "services/unplugnotifier.h"

#include "replaceablenotifications.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

UnplugNotifier::UnplugNotifier(ReplaceableNotifications *notifications, QObject *parent)
    : QObject(parent), m_notifications(notifications)
{
}

UnplugNotifier::~UnplugNotifier() = default;

QString UnplugNotifier::writingTitle(const QString &name)
{
    //: Notification title while an eject waits for data to be written; %1 is the volume name
    return QCoreApplication::translate("UnplugNotifier", "Writing data to “%1”…").arg(name);
}

QString UnplugNotifier::writingBody()
{
    //: Notification body while an eject waits for data to be written
    return QCoreApplication::translate("UnplugNotifier", "Don’t unplug until it is finished");
}

QString UnplugNotifier::safeTitle(const QString &name)
{
    //: Notification title when an eject has finished; %1 is the volume name
    return QCoreApplication::translate("UnplugNotifier", "“%1” can be safely unplugged").arg(name);
}

void UnplugNotifier::ejectBegan(const Volume &volume)
{
    if (!m_notifications || !m_notices.began(volume))
        return;
    auto *delay = new QTimer(this);
    delay->setSingleShot(true);
    delay->setInterval(UnplugNotices::delayMs);
    connect(delay, &QTimer::timeout, this,
            [this, volume] { apply(m_notices.stillRunning(volume)); });
    // Two ejects of one volume at once do not happen; a stale delay is simply replaced.
    delete m_delays.value(volume.id);
    m_delays.insert(volume.id, delay);
    delay->start();
}

void UnplugNotifier::ejectEnded(const Volume &volume, bool ejected)
{
    if (!m_notifications)
        return;
    delete m_delays.take(volume.id);
    apply(m_notices.ended(volume, ejected));
}

void UnplugNotifier::apply(const UnplugNotices::Decision &decision)
{
    if (decision.step == UnplugNotices::Step::none)
        return;
    Shown &shown = m_shown[decision.drive];
    if (shown.pending) {
        shown.next = decision;
        return;
    }
    if (decision.step == UnplugNotices::Step::close) {
        m_notifications->close(shown.id);
        m_shown.remove(decision.drive);
        return;
    }
    show(decision);
}

QCoro::Task<> UnplugNotifier::show(UnplugNotices::Decision decision)
{
    QPointer<UnplugNotifier> self(this);
    const bool writing = decision.step == UnplugNotices::Step::showWriting;
    Shown &before = m_shown[decision.drive];
    before.pending = true;
    // Locals, not temporaries of the co_await expression, which GCC 12 destroys twice.
    const QString title = writing ? writingTitle(decision.name) : safeTitle(decision.name);
    const QString body = writing ? writingBody() : QString();
    const quint32 replaces = before.id;
    const quint32 id = co_await m_notifications->show(title, body, replaces, writing);
    if (!self)
        co_return;
    Shown &shown = m_shown[decision.drive];
    shown.pending = false;
    shown.id = id;
    const std::optional<UnplugNotices::Decision> next = std::exchange(shown.next, std::nullopt);
    if (!writing)
        m_shown.remove(decision.drive);
    if (next)
        apply(*next);
}
