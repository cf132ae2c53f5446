#pragma once

#include "common/volumehandlers.h"
#include "model/volume.h"

#include <QList>
#include <QPair>
#include <QWidget>
#include <functional>
#include <optional>

class GridTileView;
class QLabel;
class QMenu;
class QScrollArea;
class QTableWidget;
class VolumeActionsMenu;
class VolumeIconProvider;

// The main window's Volumes pane: the volumes as a grid of tiles or as a table, each with its
// actions menu, its eject or remount button, a spinner while busy and a dot while active.
// Keeps nothing but the last list it was given; everything comes from its providers.
class VolumesPanel : public QWidget {
    Q_OBJECT
public:
    enum class Mode { grid, list };

    struct Dependencies {
        // The volumes to show, in display order.
        std::function<VolumeList()> volumesProvider;
        VolumeIconProvider *icons = nullptr;
        VolumeActionsMenu *actions = nullptr;
        std::optional<VolumeSurfaceHandlers> handlers;
        std::function<bool(const Volume &)> busyProvider;
        std::function<bool(const Volume &)> activityProvider;
    };

    static constexpr int gridInset = 20;
    static constexpr int gridColSpacing = 12;
    static constexpr int gridRowSpacing = 16;
    static constexpr int rowHeight = 32;
    static constexpr int listIconSide = 24;
    static constexpr int gaugeWidth = 160;
    enum Column { nameColumn, capacityColumn, spaceColumn, actionColumn };

    explicit VolumesPanel(Dependencies dependencies, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    // Shows the grid or the table, and refreshes if visible.
    void setMode(Mode mode);
    // Re-reads the volumes and redraws the current mode.
    void refresh();
    // Re-reads only the activity flags and shows or hides the dots.
    void refreshActivity();

    const VolumeList &volumes() const { return m_volumes; }
    int lastGridColumns() const { return m_lastGridCols; }
    QScrollArea *gridView() const { return m_gridScroll; }
    QTableWidget *table() const { return m_table; }
    QLabel *emptyLabel() const { return m_emptyLabel; }
    // The tiles of the current grid, in order.
    QList<GridTileView *> tiles() const;
    int activityBindingCount() const { return int(m_activityBindings.size()); }

    // The context menu of a volume; the caller owns it.
    QMenu *makeContextMenu(const Volume &volume, QWidget *parent);
    // A click on a volume: a mounted one opens in the file manager, an unmounted one remounts.
    void openVolume(const Volume &volume);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int gridColumnsForViewport() const;
    void rebuildGrid();
    void reloadTable();
    QWidget *makeTile(const Volume &volume);
    QWidget *nameCell(const Volume &volume);
    QWidget *capacityCell(const Volume &volume);
    QWidget *spaceCell(const Volume &volume);
    QWidget *actionCell(const Volume &volume);
    void showContextMenu(const Volume &volume, const QPoint &globalPosition);
    void eject(const Volume &volume);
    void remount(const Volume &volume);
    bool isBusy(const Volume &volume) const;
    bool isActive(const Volume &volume) const;

    Dependencies m_deps;
    Mode m_mode = Mode::grid;
    VolumeList m_volumes;
    QList<QPair<Volume, std::function<void(bool)>>> m_activityBindings;
    QScrollArea *m_gridScroll;
    QTableWidget *m_table;
    QLabel *m_emptyLabel;
    int m_lastGridCols = 0;
    bool m_gridRebuildQueued = false;
};
