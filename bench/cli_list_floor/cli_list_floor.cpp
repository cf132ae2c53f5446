// What any Qt program pays before it can list anything, in steps, for bench_cli_list to set
// beside quillmere-cli list: the toolkit alone (QUILLMERE_FLOOR_STEP 1), then the system bus
// connection (2), then udisks2's GetManagedObjects answer (3). Each exits the way a one-shot
// list does.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int code = 0;
    if (QUILLMERE_FLOOR_STEP >= 2) {
        QDBusConnection bus = QDBusConnection::systemBus();
        code = bus.isConnected() ? 0 : 1;
        if (QUILLMERE_FLOOR_STEP >= 3 && code == 0) {
            const QDBusMessage reply = bus.call(
                QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.UDisks2"),
                                               QStringLiteral("/org/freedesktop/UDisks2"),
                                               QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                               QStringLiteral("GetManagedObjects")));
            code = reply.type() == QDBusMessage::ReplyMessage ? 0 : 1;
        }
    }
    std::fflush(nullptr);
    ::_exit(code);
}
