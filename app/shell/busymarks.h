#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <chrono>
#include <functional>

class QTimer;

// The volumes that show a busy indicator on every surface, by volume identifier. Main thread.
class BusyMarks : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds defaultSettleTime{8000};

    explicit BusyMarks(std::chrono::milliseconds settleTime = defaultSettleTime,
                       QObject *parent = nullptr);

    bool contains(const QString &id) const { return m_ids.contains(id); }
    bool isEmpty() const { return m_ids.isEmpty(); }
    void insert(const QString &id) { m_ids.insert(id); }
    void remove(const QString &id) { m_ids.remove(id); }

    // A newly attached volume that is not mounted yet is likely being mounted by the desktop:
    // it stays busy until the settle time has passed (or until something else clears it).
    void markSettling(const QString &id);

    // Called after a settle time has passed and its mark was removed.
    std::function<void()> onSettled;

private:
    std::chrono::milliseconds m_settleTime;
    QSet<QString> m_ids;
};
