#include "surfaces/popoverfanbuilder.h"

#include "format/fangeometry.h"
#include "surfaces/fanview.h"
#include "surfaces/popoverchrome.h"
#include "surfaces/volumeiconprovider.h"
#include "surfaces/volumespopover.h"

#include <QScreen>
#include <numbers>

PopoverFanBuilder::Fan PopoverFanBuilder::build(const VolumeList &volumes) const
{
    const FanGeometry::Split split = FanGeometry::split(volumes.size());
    const qreal ratio = m_screen ? m_screen->devicePixelRatio() : 1.0;

    QList<FanGeometry::ItemShape> shapes;
    QList<FanView::Item> items;
    for (int i = 0; i < split.shown; ++i) {
        const Volume &volume = volumes.at(i);
        FanView::Item item;
        item.volume = volume;
        item.title = volume.name;
        item.iconSize = FanGeometry::iconSize;
        item.dimmed = !volume.isMounted;
        item.picture = FanView::renderPicture(
            item.title, m_icons->pixmap(volume, 2 * VolumesPopover::fanIconSize), item.iconSize,
            FanGeometry::pillBottom, ratio);
        shapes.append({FanGeometry::pillWidth(FanView::pillTextWidth(item.title)), item.iconSize});
        items.append(item);
    }

    FanView::Item folder;
    //: Fan overflow pill; %1 is how many volumes the fan leaves out
    folder.title = split.overflow > 0
                       ? VolumesPopover::tr("%1 More in File Manager").arg(split.overflow)
                       : PopoverChrome::openInFileManagerTitle();
    folder.iconSize = FanGeometry::folderSize;
    folder.picture =
        FanView::renderPicture(folder.title, PopoverChrome::folderPixmap(2 * int(folder.iconSize)),
                               folder.iconSize, FanGeometry::folderPillBottom, ratio);
    shapes.append({FanGeometry::pillWidth(FanView::pillTextWidth(folder.title)), folder.iconSize});
    items.append(folder);

    const FanGeometry::Layout fan = FanGeometry::layout(shapes);
    const QRectF frame = FanGeometry::panelFrame(fan, m_anchor, screenRect());
    const double height = frame.height();
    // Only a fan standing on a bottom or top bar reaches over it.
    const bool overBar = !m_anchor.centred && !PopoverLayout::isSideways(m_anchor.direction);
    const double lift = overBar ? m_anchor.panelHeight : 0;
    const bool up =
        PopoverLayout::verticalDirection(m_anchor, screenRect()) == PopoverLayout::Direction::up;
    constexpr double degrees = 180 / std::numbers::pi;

    for (int j = 0; j < items.size(); ++j) {
        const FanGeometry::PlacedItem &placed = fan.items.at(j);
        FanView::Item &item = items[j];
        item.size = placed.size;
        item.iconInset = placed.iconInset;
        item.tilt = (up ? 1 : -1) * placed.tilt * degrees;
        // The panel reaches over the bar to the screen's edge; items rest clear of the bar,
        // mirrored for a fan that hangs from a top bar.
        const double y = up ? height - lift - placed.iconCentre.y() : lift + placed.iconCentre.y();
        item.restingIconCentre = QPointF(placed.iconCentre.x(), y);
    }
    const double launchY = up ? height - lift / 2 : lift / 2;

    Fan built;
    built.view = new FanView();
    built.view->setItems(items, QPointF(fan.collapseCentre.x(), launchY));
    const double optionsY =
        up ? height - lift - fan.optionsCentre.y() : lift + fan.optionsCentre.y();
    built.optionsButton =
        PopoverChrome::addFanOptionsButton(built.view, QPointF(fan.optionsCentre.x(), optionsY));
    built.content = built.view;
    built.frame = frame.toAlignedRect();
    return built;
}
