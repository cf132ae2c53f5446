#include "format/menurowplan.h"

#include <QSet>

namespace {

// The longest run of keys that appear in both lists in the same order: those rows can stay.
QStringList longestCommonOrder(const QStringList &a, const QStringList &b)
{
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    // Menus hold tens of rows, so the quadratic table is small.
    QList<int> table((n + 1) * (m + 1), 0);
    const auto at = [m](qsizetype i, qsizetype j) { return i * (m + 1) + j; };
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j) {
            table[at(i, j)] = a.at(i) == b.at(j)
                                  ? table[at(i + 1, j + 1)] + 1
                                  : std::max(table[at(i + 1, j)], table[at(i, j + 1)]);
        }
    }
    QStringList common;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n && j < m) {
        if (a.at(i) == b.at(j)) {
            common.append(a.at(i));
            ++i;
            ++j;
        } else if (table[at(i + 1, j)] >= table[at(i, j + 1)]) {
            ++i;
        } else {
            ++j;
        }
    }
    return common;
}

} // namespace

MenuRowPlan MenuRowPlan::make(const QStringList &shown, const QStringList &wanted, bool open)
{
    MenuRowPlan plan;
    const QSet<QString> wantedKeys(wanted.cbegin(), wanted.cend());
    const QSet<QString> shownKeys(shown.cbegin(), shown.cend());

    for (const QString &key : shown) {
        if (wantedKeys.contains(key))
            continue;
        if (open)
            plan.retired.append(key);
        else
            plan.removed.append(key);
    }

    QSet<QString> staying;
    if (open) {
        for (const QString &key : wanted) {
            if (shownKeys.contains(key))
                staying.insert(key);
        }
    } else {
        QStringList common;
        for (const QString &key : shown) {
            if (wantedKeys.contains(key))
                common.append(key);
        }
        const QStringList inOrder = longestCommonOrder(common, wanted);
        staying = QSet<QString>(inOrder.cbegin(), inOrder.cend());
        for (const QString &key : common) {
            if (!staying.contains(key))
                plan.moved.append(key);
        }
    }

    // Each new row goes above the next row in the wanted order that stays in place; rows that
    // share that anchor keep their order when inserted one after another.
    std::optional<QString> anchor;
    QList<Insertion> reversed;
    for (qsizetype i = wanted.size() - 1; i >= 0; --i) {
        const QString &key = wanted.at(i);
        if (staying.contains(key)) {
            anchor = key;
            plan.kept.prepend(key);
        } else {
            reversed.append({key, anchor});
        }
    }
    plan.inserted.reserve(reversed.size());
    for (qsizetype i = reversed.size() - 1; i >= 0; --i)
        plan.inserted.append(reversed.at(i));
    return plan;
}
