#pragma once

#include <QString>
#include <functional>

// The application's main window as the delegate drives it. Panes: volumes = 0, history = 1,
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

// The volumes popover, opened from the tray icon or by launching the program again.
class PopoverSurface {
public:
    virtual ~PopoverSurface() = default;
    // Its panel is visible and not closing.
    virtual bool isShown() const = 0;
    virtual void toggle() = 0;
    virtual void close() = 0;
    virtual void rebuildContentsAndLayout() = 0;
    virtual void refreshActivity() = 0;
};
