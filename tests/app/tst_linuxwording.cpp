#include "appfakes.h"

#include "common/desktopplaces.h"
#include "discovery/volumestore.h"
#include "stores/l10n.h"
#include "surfaces/trayicon.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"
#include "udisksclient.h"
#include "udisksoperations.h"

#include <QMenu>
#include <QTest>

#include <qcoro/qcorotask.h>

// The built catalogues put the Linux words where the source texts name macOS things. A source
// text changed without refreshing the catalogue shows up here as the macOS word.
class TestLinuxWording : public QObject {
    Q_OBJECT

    static QStringList titles(const QMenu *menu)
    {
        QStringList lines;
        for (const QAction *action : menu->actions())
            lines.append(action->text());
        return lines;
    }

    static void checkTheMenus()
    {
        auto source = std::make_shared<FakeDiskSource>();
        source->volumes = {removableVolume(QStringLiteral("Stick"))};
        VolumeStore store(source, VolumeStore::defaultEnabledKinds());
        store.start();
        VolumeIconProvider icons;
        VolumeActionsMenu actions;
        TrayIcon status(&store, &icons, &actions);
        status.refresh();

        const QStringList menu = titles(status.menu());
        QVERIFY(menu.contains(QStringLiteral("Open Removable Media in File Manager")));
        QVERIFY(menu.contains(QStringLiteral("Open Disks")));
        QVERIFY(!menu.filter(QStringLiteral("Finder")).size());
        QVERIFY(!menu.filter(QStringLiteral("Disk Utility")).size());

        const QStringList submenu = titles(status.volumeItems().at(0).second->menu());
        QVERIFY2(submenu.contains(QStringLiteral("Open in File Manager")),
                 qPrintable(submenu.join(u'|')));
    }

    static void checkTheNetworkRemountFailure()
    {
        UDisksClient client(QDBusConnection(QStringLiteral("no bus")));
        UDisksOperations operations(&client);
        Volume share = removableVolume(QStringLiteral("Share"), false);
        share.traits.isNetwork = true;
        const OperationResult result = QCoro::waitFor(operations.remount(share));
        QVERIFY(!result.ok);
        QCOMPARE(result.detail.value_or(QString()),
                 QStringLiteral("“Share” is a network share. Reconnect to the server in your "
                                "file manager to mount it again."));
    }

private slots:
    void englishShowsTheLinuxWords()
    {
        const QStringList loaded = L10n::install(QStringLiteral("en"), {QUILLMERE_QM_DIR});
        QCOMPARE(loaded.size(), L10n::modules().size());
        checkTheMenus();
        checkTheNetworkRemountFailure();
    }

    // Languages without a translation of their own fall back to the English catalogue.
    void otherLanguagesKeepTheLinuxWords()
    {
        L10n::install(QStringLiteral("it"), {QUILLMERE_QM_DIR});
        checkTheMenus();
        checkTheNetworkRemountFailure();
    }
};

QTEST_MAIN(TestLinuxWording)
#include "tst_linuxwording.moc"
