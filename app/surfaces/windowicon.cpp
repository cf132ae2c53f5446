#include "surfaces/windowicon.h"

#include "discovery/volumestore.h"
#include "model/volumesorter.h"
#include "surfaces/volumeiconprovider.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

constexpr int stackDepth = 3;
constexpr double stackFrontSide = 419.84;
constexpr double stackShrink = 0.12;
constexpr double stackOffset = 35.84;
constexpr double stackBackOpacity = 0.92;

QImage blankImage()
{
    QImage image(WindowIcon::imageSide, WindowIcon::imageSide,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

WindowIcon::WindowIcon(VolumeStore *store, VolumeIconProvider *icons)
    : m_store(store), m_icons(icons), m_applicationIcon(QGuiApplication::windowIcon())
{
}

WindowIcon::Content WindowIcon::content() const
{
    if (popoverOpen)
        return Content::chevron;
    if (mode == WindowIconMode::icon)
        return Content::applicationIcon;
    if (!m_store || !m_icons || m_store->visibleVolumes().isEmpty())
        return Content::applicationIcon;
    return Content::stack;
}

QImage WindowIcon::image() const
{
    switch (content()) {
    case Content::chevron:
        return chevronImage();
    case Content::stack:
        return stackImage();
    case Content::applicationIcon:
        break;
    }
    return {};
}

void WindowIcon::refresh()
{
    const QImage tile = image();
    QGuiApplication::setWindowIcon(tile.isNull() ? m_applicationIcon
                                                 : QIcon(QPixmap::fromImage(tile)));
}

QImage WindowIcon::chevronImage()
{
    QImage image = blankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 128));
    painter.drawRoundedRect(QRectF(49.92, 49.92, 412.16, 412.16), 92.736, 92.736);

    // A medium-weight downward chevron at a symbol size of 184.32, drawn in white.
    const double symbolSize = 184.32;
    const double halfWidth = symbolSize * 0.42;
    const double halfHeight = symbolSize * 0.21;
    const QPointF centre(imageSide / 2.0, imageSide / 2.0);
    QPainterPath chevron;
    chevron.moveTo(centre + QPointF(-halfWidth, -halfHeight));
    chevron.lineTo(centre + QPointF(0, halfHeight));
    chevron.lineTo(centre + QPointF(halfWidth, -halfHeight));
    QPen pen(Qt::white, symbolSize * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(chevron);
    return image;
}

QImage WindowIcon::stackImage() const
{
    const VolumeList volumes = VolumeSorter::sorted(m_store->visibleVolumes(), sortMode);
    QImage image = blankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Back to front, so the first volume lies on top.
    for (int g = int(std::min<qsizetype>(stackDepth, volumes.size())) - 1; g >= 0; --g) {
        const double side = (1.0 - stackShrink * g) * stackFrontSide;
        // Each further icon sits further right and lower.
        const double x = (imageSide - side) / 2 + stackOffset * g;
        const double y = (imageSide - side) / 2 + stackOffset * g;
        const QPixmap icon = m_icons->pixmap(volumes.at(g), qRound(side));
        painter.setOpacity(g == 0 ? 1.0 : stackBackOpacity);
        painter.drawPixmap(QRectF(x, y, side, side), icon, QRectF(icon.rect()));
    }
    return image;
}
