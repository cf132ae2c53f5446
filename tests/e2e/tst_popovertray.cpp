// The program beside an XEmbed tray (trayer) on a real X server: the tray tells where the icon
// is, so the popover opens beside the icon with its beak at the icon's middle, for a click on
// the icon and for a second launch with the pointer far away alike.
#include "programharness.h"

#include "stores/preferencesstore.h"

#include <QRect>
#include <QStandardPaths>
#include <QTest>

class TestPopoverTray : public QObject {
    Q_OBJECT

    XvfbServer m_x;
    ProgramHarness m_program;
    PrivateBus m_systemBus;
    QProcess m_tray;

    QStringList visibleWindows() const
    {
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

    // The program's windows that are not the tray icon (which is small).
    QList<QRect> panels() const
    {
        QList<QRect> found;
        for (const QString &window : visibleWindows()) {
            const QRect geometry = geometryOf(window);
            if (geometry.width() > 64 || geometry.height() > 64)
                found.append(geometry);
        }
        return found;
    }

    QRect trayIcon() const
    {
        for (const QString &window : visibleWindows()) {
            const QRect geometry = geometryOf(window);
            if (geometry.width() <= 64 && geometry.height() <= 64)
                return geometry;
        }
        return {};
    }

    bool xdotool(const QStringList &arguments) const
    {
        bool ok = false;
        m_program.tool(QStringLiteral("xdotool"), arguments, &ok);
        return ok;
    }

    void screenshot(const QString &name) const
    {
        const QString folder = qEnvironmentVariable("QUILLMERE_SCREENSHOT_DIR");
        if (folder.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("import")).isEmpty())
            return;
        m_program.tool(QStringLiteral("import"),
                       {QStringLiteral("-window"), QStringLiteral("root"), folder + u'/' + name});
    }

    // The grid stands 2 above the icon, centred on its middle (where the beak points), its
    // shadow 14 around it.
    void verifyBesideTheIcon(const QRect &icon)
    {
        QVERIFY2(QTest::qWaitFor([this] { return panels().size() == 1; }, 10000),
                 qPrintable(m_program.output()));
        // Let the opening end, so the geometry is the resting one.
        QTest::qWait(600);
        const QRect panel = panels().constFirst();
        constexpr int shadow = 14;
        QCOMPARE(panel.bottom() + 1 - shadow, icon.top() - 2);
        QVERIFY2(qAbs(panel.center().x() - icon.center().x()) <= 1,
                 qPrintable(QStringLiteral("panel centre %1, icon centre %2")
                                .arg(panel.center().x())
                                .arg(icon.center().x())));
    }

    void closeWithEscape()
    {
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        QVERIFY2(QTest::qWaitFor([this] { return panels().isEmpty(); }, 5000),
                 "the popover is still on screen");
    }

private slots:
    void initTestCase()
    {
        for (const char *tool : {"xdotool", "trayer", "dbus-daemon"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/install-deps.sh)")
                                     .arg(QLatin1String(tool))));
        }
        if (!XvfbServer::available())
            QSKIP("Xvfb is not installed");
        QString error;
        QVERIFY2(m_x.start(&error), qPrintable(error));
        QVERIFY2(m_systemBus.start(&error), qPrintable(error));
        QVERIFY2(m_program.setUp(m_systemBus.address(), &error), qPrintable(error));
        m_program.setDisplay(m_x.display());

        // The tray first, in the middle of the bottom edge, so the panel is not pushed aside
        // by the screen's edges.
        m_tray.setProcessEnvironment(m_program.environment());
        m_tray.setProcessChannelMode(QProcess::MergedChannels);
        m_tray.start(QStringLiteral("trayer"),
                     {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                      QStringLiteral("center"), QStringLiteral("--widthtype"),
                      QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("32"),
                      QStringLiteral("--tint"), QStringLiteral("0x2e3440"),
                      QStringLiteral("--transparent"), QStringLiteral("true"),
                      QStringLiteral("--alpha"), QStringLiteral("0")});
        QVERIFY(m_tray.waitForStarted(5000));
        QVERIFY2(QTest::qWaitFor(
                     [this] {
                         return !m_program
                                     .tool(QStringLiteral("xdotool"),
                                           {QStringLiteral("search"),
                                            QStringLiteral("--onlyvisible"),
                                            QStringLiteral("--class"), QStringLiteral("trayer")})
                                     .isEmpty();
                     },
                     10000),
                 m_tray.readAll().constData());

        std::unique_ptr<SettingsStore> defaults = m_program.defaults();
        PreferencesStore prefs(*defaults);
        prefs.setPopoverEnabled(true);
        prefs.setPopoverViewMode(PopoverViewMode::grid);
        QVERIFY2(m_program.start(), qPrintable(m_program.output()));
        QVERIFY2(QTest::qWaitFor([this] { return trayIcon().isValid(); }, 10000),
                 "the icon did not appear in the tray");
    }

    void cleanupTestCase()
    {
        m_program.stop();
        stopProcess(m_tray);
        m_systemBus.stop();
        m_x.stop();
    }

    void clickOnTheIconOpensBesideIt()
    {
        const QRect icon = trayIcon();
        // Near the icon's corner: the panel still points at its middle.
        QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(icon.left() + 2),
                         QString::number(icon.top() + 2)}));
        QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("1")}));
        verifyBesideTheIcon(icon);
        if (QTest::currentTestFailed())
            return;
        screenshot(QStringLiteral("popover-x11-tray-click.png"));
        closeWithEscape();
    }

    void secondLaunchOpensBesideTheIcon()
    {
        const QRect icon = trayIcon();
        QVERIFY(
            xdotool({QStringLiteral("mousemove"), QStringLiteral("120"), QStringLiteral("150")}));
        QCOMPARE(m_program.launchAgain(), 0);
        verifyBesideTheIcon(icon);
        if (QTest::currentTestFailed())
            return;
        screenshot(QStringLiteral("popover-x11-second-launch.png"));
        closeWithEscape();
    }
};

QTEST_GUILESS_MAIN(TestPopoverTray)
#include "tst_popovertray.moc"
