// The program under a real X server: launching it a second time opens the volumes popover at
// the pointer, Escape closes it, and a launch while it is open closes it again.
#include "programharness.h"

#include "stores/preferencesstore.h"

#include <QRect>
#include <QStandardPaths>
#include <QTest>

class TestPopoverLaunch : public QObject {
    Q_OBJECT

    XvfbServer m_x;
    ProgramHarness m_program;
    PrivateBus m_systemBus;

    QStringList visibleWindows() const
    {
        // xdotool exits 1 when it finds nothing.
        const QString found = m_program.tool(
            QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--pid"), QString::number(m_program.pid())});
        return found.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QRect geometryOf(const QString &window) const
    {
        const QString shell =
            m_program.tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                       QStringLiteral("--shell"), window});
        QHash<QString, int> values;
        for (const QString &line : shell.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            values.insert(line.left(eq), line.mid(eq + 1).toInt());
        }
        return {values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT"))};
    }

private slots:
    void initTestCase()
    {
        if (!XvfbServer::available() ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("Xvfb and xdotool are needed (apt-get install xvfb xdotool)");
        if (!PrivateBus::available())
            QSKIP("dbus-daemon is not installed");
        QString error;
        QVERIFY2(m_x.start(&error), qPrintable(error));
        // A system bus without udisks2: the program lists the mount table only.
        QVERIFY2(m_systemBus.start(&error), qPrintable(error));
        QVERIFY2(m_program.setUp(m_systemBus.address(), &error), qPrintable(error));
        m_program.setDisplay(m_x.display());

        std::unique_ptr<SettingsStore> defaults = m_program.defaults();
        PreferencesStore prefs(*defaults);
        prefs.setPopoverEnabled(true);
        prefs.setPopoverViewMode(PopoverViewMode::fan);
        QVERIFY2(m_program.start(), qPrintable(m_program.output()));
        QVERIFY(visibleWindows().isEmpty());
    }

    void cleanupTestCase()
    {
        m_program.stop();
        m_systemBus.stop();
        m_x.stop();
    }

    void secondLaunchOpensThePopoverAtThePointer()
    {
        const QPoint pointer(300, 500);
        bool moved = false;
        m_program.tool(QStringLiteral("xdotool"),
                       {QStringLiteral("mousemove"), QString::number(pointer.x()),
                        QString::number(pointer.y())},
                       &moved);
        QVERIFY(moved);

        QCOMPARE(m_program.launchAgain(), 0);
        QVERIFY2(QTest::qWaitFor([this] { return visibleWindows().size() == 1; }, 10000),
                 qPrintable(m_program.output()));
        // Let the opening animation end, so the geometry is the resting one.
        QTest::qWait(600);
        const QRect panel = geometryOf(visibleWindows().constFirst());
        // The fan stands on the pointer (no panel strip on a bare X server) and its first
        // icon lies over it.
        QCOMPARE(panel.bottom() + 1, pointer.y());
        QVERIFY2(panel.left() < pointer.x() && pointer.x() < panel.right(),
                 qPrintable(QStringLiteral("%1..%2").arg(panel.left()).arg(panel.right())));
        QVERIFY(panel.height() > 41);
    }

    void escapeClosesIt()
    {
        QCOMPARE(visibleWindows().size(), 1);
        bool sent = false;
        m_program.tool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Escape")},
                       &sent);
        QVERIFY(sent);
        QVERIFY2(QTest::qWaitFor([this] { return visibleWindows().isEmpty(); }, 5000),
                 "the popover is still on screen");
        QVERIFY(m_program.isRunning());
    }

    void launchingAgainTogglesIt()
    {
        QCOMPARE(m_program.launchAgain(), 0);
        QVERIFY(QTest::qWaitFor([this] { return visibleWindows().size() == 1; }, 10000));
        QCOMPARE(m_program.launchAgain(), 0);
        QVERIFY(QTest::qWaitFor([this] { return visibleWindows().isEmpty(); }, 5000));
    }
};

QTEST_GUILESS_MAIN(TestPopoverLaunch)
#include "tst_popoverlaunch.moc"
