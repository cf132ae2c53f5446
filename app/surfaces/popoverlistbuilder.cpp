#include "surfaces/popoverlistbuilder.h"

#include "format/ejectremountspec.h"
#include "format/listpanelgeometry.h"
#include "surfaces/listrowview.h"
#include "surfaces/listscrollcolumn.h"
#include "surfaces/popoverchrome.h"
#include "surfaces/systemfont.h"
#include "surfaces/volumeiconprovider.h"
#include "surfaces/volumespopover.h"

#include <cmath>

PopoverListBuilder::PopoverListBuilder(VolumeIconProvider *icons,
                                       const PopoverLayout::Anchor &anchor, QScreen *screen,
                                       bool handlesButtons, bool showsActivity)
    : PopoverLayoutBuilder(icons, anchor, screen), m_handlesButtons(handlesButtons),
      m_showsActivity(showsActivity)
{
}

PopoverListBuilder::List PopoverListBuilder::build(const VolumeList &volumes) const
{
    const QRectF available = availableRect();

    List built;
    QList<double> widths;
    for (const Volume &volume : volumes) {
        auto *row = new ListRowView(volume, m_icons->pixmap(volume, VolumesPopover::listIconSize));
        using Kind = EjectRemountSpec::Kind;
        const Kind kind = m_handlesButtons ? EjectRemountSpec::forVolume(volume) : Kind::none;
        row->setAccessory(kind == Kind::eject     ? ListRowView::Accessory::eject
                          : kind == Kind::remount ? ListRowView::Accessory::remount
                                                  : ListRowView::Accessory::none);
        row->setShowsActivity(m_showsActivity);
        widths.append(
            ListPanelGeometry::rowWidth(QFontMetricsF(row->font()).horizontalAdvance(volume.name),
                                        m_showsActivity, kind != Kind::none));
        built.rows.append(row);
    }
    const QList<ListRowView *> &rows = built.rows;

    const double folderText = QFontMetricsF(SystemFont::ofSize(13))
                                  .horizontalAdvance(PopoverChrome::openInFileManagerTitle());
    const int width =
        int(std::ceil(ListPanelGeometry::width(widths, folderText, available.width())));
    const ListPanelGeometry::Geometry g =
        ListPanelGeometry::compute(int(rows.size()), width, m_anchor, screenRect(), available);

    auto *content = new QWidget();
    auto *column = new QWidget();
    column->resize(width, int(rows.size()) * ListRowView::rowHeight);
    for (int i = 0; i < rows.size(); ++i) {
        rows.at(i)->setParent(column);
        rows.at(i)->setGeometry(0, i * ListRowView::rowHeight, width, ListRowView::rowHeight);
    }
    const int rowsHeight = int(std::round(g.rowsHeight));
    if (g.scrolls) {
        auto *scroller = new ListScrollColumn(column, rowsHeight, content);
        scroller->move(0, 0);
        built.scrollColumn = scroller;
    } else {
        column->setParent(content);
        column->move(0, 0);
    }

    const PopoverChrome::ListBottomArea bottom = PopoverChrome::addListBottomArea(content, width);
    bottom.area->move(0, rowsHeight);
    built.folderRow = bottom.folder;
    built.optionsRow = bottom.options;

    built.content = content;
    built.frame = pixelFrame(g.frame);
    built.look.material = PopoverPanel::Material::hud;
    QPainterPath body;
    body.addRoundedRect(QRectF(QPointF(), g.frame.size()), ListPanelGeometry::cornerRadius,
                        ListPanelGeometry::cornerRadius);
    built.look.body = body;
    built.look.border = QColor::fromRgbF(0, 0, 0, 0.55f);
    built.look.shadow = true;
    return built;
}
