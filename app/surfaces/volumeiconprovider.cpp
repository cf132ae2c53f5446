#include "surfaces/volumeiconprovider.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>

VolumeIconProvider::IconKind VolumeIconProvider::iconKind(const Volume &volume)
{
    if (volume.traits.isNetwork || volume.kind == VolumeKind::network)
        return IconKind::network;
    if (volume.traits.isOptical)
        return IconKind::optical;
    if (volume.traits.isDiskImage || volume.kind == VolumeKind::diskImage ||
        volume.kind == VolumeKind::systemImage)
        return IconKind::diskImage;
    if (volume.isRemovable || volume.kind == VolumeKind::external)
        return IconKind::removable;
    return IconKind::hardDisk;
}

QStringList VolumeIconProvider::themeNames(IconKind kind)
{
    switch (kind) {
    case IconKind::removable:
        return {QStringLiteral("drive-removable-media-usb"),
                QStringLiteral("drive-removable-media")};
    case IconKind::hardDisk:
        return {QStringLiteral("drive-harddisk")};
    case IconKind::optical:
        return {QStringLiteral("media-optical"), QStringLiteral("drive-optical")};
    case IconKind::network:
        return {QStringLiteral("network-server"), QStringLiteral("folder-remote")};
    case IconKind::diskImage:
        return {QStringLiteral("application-x-raw-disk-image"),
                QStringLiteral("application-x-cd-image"), QStringLiteral("media-flash")};
    }
    return {};
}

QStyle::StandardPixmap VolumeIconProvider::fallbackPixmap(IconKind kind)
{
    switch (kind) {
    case IconKind::removable:
        return QStyle::SP_DriveFDIcon;
    case IconKind::hardDisk:
        return QStyle::SP_DriveHDIcon;
    case IconKind::optical:
        return QStyle::SP_DriveCDIcon;
    case IconKind::network:
        return QStyle::SP_DriveNetIcon;
    case IconKind::diskImage:
        return QStyle::SP_DriveDVDIcon;
    }
    return QStyle::SP_DriveHDIcon;
}

QIcon VolumeIconProvider::iconFor(IconKind kind)
{
    for (const QString &name : themeNames(kind)) {
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    }
    return QApplication::style()->standardIcon(fallbackPixmap(kind));
}

bool VolumeIconProvider::isReadable(const Volume &volume)
{
    if (!volume.isMounted || volume.mountPath.isEmpty())
        return false;
    // A stat on a share whose server went away, or on a FUSE file system whose daemon hangs,
    // can block for minutes; without a device the icon never depends on the path anyway.
    if (iconKind(volume) == IconKind::network || volume.deviceName.isEmpty())
        return true;
    return QFileInfo::exists(volume.mountPath);
}

QPixmap VolumeIconProvider::pixmap(const Volume &volume, int size)
{
    if (isReadable(volume)) {
        const QIcon current = iconFor(iconKind(volume));
        m_lastKnownIcons.insert(volume.id, current);
        return render(current, size);
    }
    if (const auto known = m_lastKnownIcons.constFind(volume.id); known != m_lastKnownIcons.cend())
        return render(*known, size);
    // Without a device there is nothing to tell the kind of medium by.
    if (volume.deviceName.isEmpty())
        return render(iconFor(IconKind::hardDisk), size);
    return render(iconFor(iconKind(volume)), size);
}

QString VolumeIconProvider::remountIconName()
{
    static const QString name = QIcon::hasThemeIcon(QStringLiteral("media-mount"))
                                    ? QStringLiteral("media-mount")
                                    : QStringLiteral("view-refresh");
    return name;
}

QIcon VolumeIconProvider::remountIcon()
{
    return QIcon::fromTheme(remountIconName(),
                            QApplication::style()->standardIcon(QStyle::SP_BrowserReload));
}

QPixmap VolumeIconProvider::render(const QIcon &icon, int size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QSize logical(size, size);
    QPixmap canvas(logical * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    // Themes may lack the exact size; scale what they have into a square of exactly size.
    const QPixmap source = icon.pixmap(logical, ratio);
    if (!source.isNull()) {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSizeF fitted = QSizeF(source.size()).scaled(QSizeF(logical), Qt::KeepAspectRatio);
        const QRectF target(QPointF((size - fitted.width()) / 2, (size - fitted.height()) / 2),
                            fitted);
        painter.drawPixmap(target, source, QRectF(source.rect()));
    }
    return canvas;
}
