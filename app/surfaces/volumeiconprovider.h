#pragma once

#include "model/volume.h"

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <QStyle>

// The icon of a volume for every surface. A volume's last icon seen while it was mounted is
// kept, so an ejected volume that is still listed keeps its look. Main thread only.
class VolumeIconProvider {
public:
    // What the icon shows, from the most specific fact about the volume.
    enum class IconKind { removable, hardDisk, optical, network, diskImage };

    static IconKind iconKind(const Volume &volume);
    // Icon-theme names to try, best first.
    static QStringList themeNames(IconKind kind);
    // Used when the theme has none of the names.
    static QStyle::StandardPixmap fallbackPixmap(IconKind kind);
    // Theme icon for the kind, else the style's drive icon.
    static QIcon iconFor(IconKind kind);

    // size is in device-independent pixels; the pixmap is size × size.
    QPixmap pixmap(const Volume &volume, int size);
    QIcon icon(const Volume &volume, int size) { return QIcon(pixmap(volume, size)); }

    bool hasLastKnownIcon(const QString &volumeId) const
    {
        return m_lastKnownIcons.contains(volumeId);
    }

    // The icon-theme name for Remount entries and buttons, chosen once per process.
    static QString remountIconName();
    static QIcon remountIcon();

private:
    // Mounted with its mount point present: its icon is current.
    static bool isReadable(const Volume &volume);
    static QPixmap render(const QIcon &icon, int size);

    QHash<QString, QIcon> m_lastKnownIcons;
};
