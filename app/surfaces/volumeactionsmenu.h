#pragma once

#include "common/volumehandlers.h"
#include "model/volume.h"

#include <QCoro/QCoroTask>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

// Builds the actions menu of one volume, the same on every surface, and routes its items to
// the application's handlers. Keeps no per-volume state: each menu reflects the record given,
// and a menu given a newer record changes only the entries that differ, in place.
class VolumeActionsMenu : public QObject {
    Q_OBJECT
public:
    // One row of a volume's menu, named by a key that stays the same across updates.
    struct Entry {
        enum class Kind { item, separator, gauge };
        Kind kind = Kind::item;
        QString key;
        QString text;
        QIcon icon;
        bool enabled = true;
        // Set for an entry with a check mark.
        std::optional<bool> checked;
        // The gauge's reading.
        qint64 usedBytes = 0;
        qint64 capacityBytes = 0;
        // What choosing the entry does, with the volume the menu shows at that moment.
        std::function<void(const Volume &)> run;

        static Entry separatorNamed(const QString &key)
        {
            Entry entry;
            entry.kind = Kind::separator;
            entry.key = key;
            return entry;
        }
    };

    static constexpr QSize capacityRowSize{190, 24};
    static constexpr QPoint capacityGaugeOrigin{14, 4};
    static constexpr int capacityGaugeWidth = 160;

    explicit VolumeActionsMenu(QObject *parent = nullptr);

    std::optional<VolumeActionHandlers> handlers;
    // Whether a volume is ignored by auto-eject and Eject All.
    std::function<bool(const Volume &)> exclusionProvider;
    std::function<void(const Volume &)> onToggleExclusion;

    // The caller owns the menu.
    QMenu *makeMenu(const Volume &volume, QWidget *parent = nullptr);
    // Gives an empty menu the volume's entries, or brings a menu made earlier up to date.
    void fillMenu(QMenu *menu, const Volume &volume);
    // The entries of the volume's menu.
    QList<Entry> entries(const Volume &volume);
    // Brings the menu to these entries without rebuilding it: kept entries keep their action.
    static void showEntries(QMenu *menu, const Volume &volume, const QList<Entry> &entries);

    // The volume an item of this class's menus acts on.
    static std::optional<Volume> volumeOf(const QAction *item);

    void open(const Volume &volume);
    void copyPath(const Volume &volume);
    void eject(const Volume &volume);
    void remount(const Volume &volume);
    void rename(const Volume &volume);
    void erase(const Volume &volume);
    void toggleExclusion(const Volume &volume);

private:
    using ItemAction = void (VolumeActionsMenu::*)(const Volume &);
    Entry item(const QString &key, const QString &title, ItemAction action);
    // Only for an instance nobody gave handlers to.
    static QCoro::Task<> fallbackEject(Volume volume);
};
