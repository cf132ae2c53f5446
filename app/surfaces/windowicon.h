#pragma once

#include "model/viewoptions.h"

#include <QIcon>
#include <QImage>
#include <QPointer>

class VolumeIconProvider;
class VolumeStore;

// Decides what the application's window icon shows (the dock tile of other desktops): its own
// icon, a stack of the first volumes' icons, or a close chevron while the popover is open.
class WindowIcon {
public:
    enum class Content { applicationIcon, chevron, stack };

    static constexpr int imageSide = 512;

    // The icon present at construction is the application's own one, restored when needed.
    WindowIcon(VolumeStore *store, VolumeIconProvider *icons);

    SortMode sortMode = SortMode::name;
    WindowIconMode mode = WindowIconMode::icon;
    bool popoverOpen = false;

    void refresh();

    Content content() const;
    // Null for the application's own icon.
    QImage image() const;
    QIcon applicationIcon() const { return m_applicationIcon; }

    static QImage chevronImage();

private:
    QImage stackImage() const;

    QPointer<VolumeStore> m_store;
    VolumeIconProvider *m_icons;
    QIcon m_applicationIcon;
};
