// Which rows of a menu go, come and stay when its list changes.
#include "format/menurowplan.h"

#include <QRandomGenerator>
#include <QTest>

using Insertion = MenuRowPlan::Insertion;

namespace {

// What a menu looks like after the plan is carried out on it, as the tray does: removals and
// moves first, then each insertion above its anchor (or at the end).
QStringList carriedOut(QStringList rows, const MenuRowPlan &plan)
{
    for (const QString &key : plan.removed + plan.moved)
        rows.removeOne(key);
    for (const Insertion &insertion : plan.inserted) {
        const qsizetype at = insertion.before ? rows.indexOf(*insertion.before) : rows.size();
        if (at < 0)
            return {QStringLiteral("anchor %1 is not in the menu").arg(*insertion.before)};
        rows.insert(at, insertion.key);
    }
    return rows;
}

QStringList randomKeys(QRandomGenerator &random)
{
    QStringList keys;
    const int count = random.bounded(8);
    for (int i = 0; i < count; ++i) {
        const QString key = QString(QChar(u'a' + random.bounded(10)));
        if (!keys.contains(key))
            keys.append(key);
    }
    return keys;
}

} // namespace

class TestMenuRowPlan : public QObject {
    Q_OBJECT

private slots:
    void rowsComeAndGoAroundTheRowsThatStay()
    {
        // A new volume takes its sorted place; every other row stays untouched.
        const MenuRowPlan arrival = MenuRowPlan::make({"a", "c"}, {"a", "b", "c"}, false);
        QCOMPARE(arrival.inserted, QList<Insertion>({{"b", QStringLiteral("c")}}));
        QCOMPARE(arrival.kept, QStringList({"a", "c"}));
        QVERIFY(arrival.removed.isEmpty() && arrival.moved.isEmpty() && arrival.retired.isEmpty());

        // Last in order: below the last row. The same while the menu is open.
        const MenuRowPlan last = MenuRowPlan::make({"a"}, {"a", "b", "c"}, true);
        QCOMPARE(last.inserted, QList<Insertion>({{"b", std::nullopt}, {"c", std::nullopt}}));

        // A departed row is removed, or, in an open menu, retired where it is.
        const MenuRowPlan closed = MenuRowPlan::make({"a", "b", "c"}, {"a", "c"}, false);
        QCOMPARE(closed.removed, QStringList({"b"}));
        QVERIFY(closed.retired.isEmpty() && closed.inserted.isEmpty());
        const MenuRowPlan open = MenuRowPlan::make({"a", "b", "c"}, {"a", "c"}, true);
        QCOMPARE(open.retired, QStringList({"b"}));
        QVERIFY(open.removed.isEmpty());

        // A retired row whose volume came back is simply kept.
        const MenuRowPlan back = MenuRowPlan::make({"a", "b", "c"}, {"a", "b", "c"}, true);
        QCOMPARE(back.kept, QStringList({"a", "b", "c"}));
        QVERIFY(back.retired.isEmpty() && back.inserted.isEmpty());
    }

    void onlyRowsOutOfOrderMoveAndNeverWhileOpen()
    {
        // One row renamed to the front: only that row moves, the others keep their actions.
        const MenuRowPlan closed =
            MenuRowPlan::make({"a", "b", "c", "d"}, {"d", "a", "b", "c"}, false);
        QCOMPARE(closed.moved, QStringList({"d"}));
        QCOMPARE(closed.inserted, QList<Insertion>({{"d", QStringLiteral("a")}}));
        QCOMPARE(closed.kept, QStringList({"a", "b", "c"}));

        const MenuRowPlan open =
            MenuRowPlan::make({"a", "b", "c", "d"}, {"d", "a", "b", "c"}, true);
        QVERIFY(open.moved.isEmpty() && open.inserted.isEmpty() && open.removed.isEmpty());
        QCOMPARE(open.kept.size(), 4);
    }

    void carryingOutThePlanGivesTheWantedRows()
    {
        QRandomGenerator random(23);
        for (int round = 0; round < 2000; ++round) {
            const QStringList shown = randomKeys(random);
            const QStringList wanted = randomKeys(random);

            const MenuRowPlan closed = MenuRowPlan::make(shown, wanted, false);
            QCOMPARE(carriedOut(shown, closed), wanted);

            // Open: the shown rows keep their order, departed ones included, and the result
            // holds exactly the wanted rows besides the retired ones.
            const MenuRowPlan open = MenuRowPlan::make(shown, wanted, true);
            const QStringList result = carriedOut(shown, open);
            QStringList shownAfter = result;
            shownAfter.removeIf([&](const QString &key) { return !shown.contains(key); });
            QCOMPARE(shownAfter, shown);
            QStringList present = result;
            present.removeIf([&](const QString &key) { return open.retired.contains(key); });
            QStringList sortedPresent = present;
            QStringList sortedWanted = wanted;
            sortedPresent.sort();
            sortedWanted.sort();
            QCOMPARE(sortedPresent, sortedWanted);
        }
    }
};

QTEST_GUILESS_MAIN(TestMenuRowPlan)
#include "tst_menurowplan.moc"
