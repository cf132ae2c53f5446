#include "services/localinstance.h"

#include <QTemporaryDir>
#include <QTest>

class TestLocalInstance : public QObject {
    Q_OBJECT
private slots:
    void aSecondLaunchWithoutABusHandsOverInsteadOfRunning()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString appId = QStringLiteral("com.quillmere.app.test");
        int reopened = 0;
        QStringList actions;
        {
            LocalInstance first(appId, folder.path());
            first.onReopen = [&reopened] { ++reopened; };
            first.onAction = [&actions](const QString &name) { actions.append(name); };
            QCOMPARE(first.claim(), LocalInstance::Outcome::primary);

            LocalInstance second(appId, folder.path());
            QCOMPARE(second.claim(QStringLiteral("ejectAll")), LocalInstance::Outcome::secondary);
            LocalInstance third(appId, folder.path());
            QCOMPARE(third.claim(), LocalInstance::Outcome::secondary);
            QTRY_COMPARE(actions, QStringList{QStringLiteral("ejectAll")});
            QTRY_COMPARE(reopened, 1);
        }
        // The socket of an instance that is gone does not keep the next one from running.
        LocalInstance next(appId, folder.path());
        QCOMPARE(next.claim(), LocalInstance::Outcome::primary);
    }
};

QTEST_GUILESS_MAIN(TestLocalInstance)
#include "tst_localinstance.moc"
