#pragma once

#include "common/volumehandlers.h"
#include "model/viewoptions.h"
#include "model/volume.h"

#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QMenu;

// The application's main window as the application drives it. Panes: volumes = 0, history = 1,
// preferences = 2, as stored in the defaults.
enum class MainWindowPane { volumes = 0, history = 1, preferences = 2 };

class MainWindowSurface {
public:
    virtual ~MainWindowSurface() = default;
    virtual void show(MainWindowPane pane) = 0;
    virtual bool isVisible() const = 0;
    virtual bool showsVolumesPane() const = 0;
    virtual void refreshVolumes() = 0;
    virtual void refreshVolumesActivity() = 0;
    virtual void refreshHistory() = 0;
};

// The volumes popover, opened from the tray icon or by launching the program again. The
// application sets the fields once, when it creates the popover, and the sort and view modes when
// the user changes them.
class PopoverSurface {
public:
    virtual ~PopoverSurface() = default;

    SortMode sortMode = SortMode::name;
    PopoverViewMode viewMode = PopoverViewMode::grid;
    std::optional<VolumeSurfaceHandlers> volumeHandlers;
    std::function<bool(const Volume &)> activityProvider;
    std::function<bool(const Volume &)> busyProvider;
    // Told true when the panel opens and false when it starts closing.
    std::function<void(bool)> onVisibilityChange;
    // A new menu with the view options; the popover owns and deletes it.
    std::function<QMenu *()> optionsMenuProvider;
    // The desktop asks for no animations.
    std::function<bool()> reduceMotion;
    // Where on the screen the tray icon is, when the desktop tells it (an XEmbed tray); an
    // empty rectangle otherwise. The popover points at it, else at the pointer.
    std::function<QRect()> anchorArea;

    // Its panel is visible and not closing.
    virtual bool isShown() const = 0;
    virtual void toggle() = 0;
    virtual void close() = 0;
    virtual void rebuildContentsAndLayout() = 0;
    virtual void refreshActivity() = 0;
};
