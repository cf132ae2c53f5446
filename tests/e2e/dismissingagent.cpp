// A polkit authentication agent whose user dismisses every prompt: it answers each request with
// org.freedesktop.PolicyKit1.Error.Cancelled, as a desktop's agent does when its dialog is
// cancelled. (pkttyagent cannot say so: cancelled, it ends, and polkit counts that as a refusal.)
//   quillmere-test-dismissing-agent --process PID [--notify-fd FD]
// registers for the process PID on the system bus, closes FD once registered, and runs until
// it is terminated.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFile>
#include <QTextStream>
#include <unistd.h>

namespace {

const QString objectPath = QStringLiteral("/com/quillmere/DismissingAgent");

class DismissingAgent : public QDBusVirtualObject {
public:
    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.member() == QLatin1String("BeginAuthentication")) {
            QTextStream(stdout) << "dismissed " << message.arguments().value(0).toString()
                                << Qt::endl;
            connection.send(message.createErrorReply(
                QStringLiteral("org.freedesktop.PolicyKit1.Error.Cancelled"),
                QStringLiteral("The dialog was dismissed")));
            return true;
        }
        connection.send(message.createReply());
        return true;
    }
};

// Field 22 of /proc/PID/stat, after the command name in parentheses.
quint64 startTime(uint pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? fields.at(19).toULongLong() : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const uint pid = arguments.value(arguments.indexOf(QStringLiteral("--process")) + 1).toUInt();
    const qsizetype notify = arguments.indexOf(QStringLiteral("--notify-fd"));
    if (pid == 0) {
        QTextStream(stderr)
            << "usage: quillmere-test-dismissing-agent --process PID [--notify-fd FD]" << Qt::endl;
        return 2;
    }

    QDBusConnection bus = QDBusConnection::systemBus();
    DismissingAgent agent;
    if (!bus.registerVirtualObject(objectPath, &agent)) {
        QTextStream(stderr) << "cannot export the agent" << Qt::endl;
        return 1;
    }
    QDBusArgument subject;
    subject.beginStructure();
    subject << QStringLiteral("unix-process");
    QVariantMap details;
    details.insert(QStringLiteral("pid"), QVariant::fromValue(quint32(pid)));
    details.insert(QStringLiteral("start-time"), QVariant::fromValue(startTime(pid)));
    subject << details;
    subject.endStructure();
    QDBusMessage registration =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.PolicyKit1"),
                                       QStringLiteral("/org/freedesktop/PolicyKit1/Authority"),
                                       QStringLiteral("org.freedesktop.PolicyKit1.Authority"),
                                       QStringLiteral("RegisterAuthenticationAgent"));
    registration.setArguments({QVariant::fromValue(subject), QStringLiteral("C"), objectPath});
    const QDBusMessage reply = bus.call(registration);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        QTextStream(stderr) << "registration refused: " << reply.errorMessage() << Qt::endl;
        return 1;
    }
    if (notify >= 0)
        ::close(arguments.value(notify + 1).toInt());
    return QCoreApplication::exec();
}
