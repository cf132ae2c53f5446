#pragma once

#include "common/volumehandlers.h"
#include "model/volume.h"

#include <QCoro/QCoroTask>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

// Builds the actions menu of one volume, the same on every surface, and routes its items to
// the application's handlers. Keeps no per-volume state: each menu reflects the record given.
class VolumeActionsMenu : public QObject {
    Q_OBJECT
public:
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
    // Appends the same entries to an existing (for example sub-) menu.
    void fillMenu(QMenu *menu, const Volume &volume);

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
    QAction *addItem(QMenu *menu, const QString &title, const Volume &volume, ItemAction action);
    void addCapacityRow(QMenu *menu, const Volume &volume);
    // Only for an instance nobody gave handlers to.
    static QCoro::Task<> fallbackEject(Volume volume);
};
