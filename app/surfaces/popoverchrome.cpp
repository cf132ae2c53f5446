#include "surfaces/popoverchrome.h"

#include "format/gridpanelgeometry.h"
#include "format/listpanelgeometry.h"
#include "surfaces/listrowview.h"
#include "surfaces/popoverpanel.h"
#include "surfaces/symbolicons.h"
#include "surfaces/systemcolours.h"
#include "surfaces/systemfont.h"
#include "surfaces/volumespopover.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace {

// A flat chevron that pops up the view options; on a plate of the panel's material where
// there is no panel behind it (the fan).
class OptionsButton : public QAbstractButton {
public:
    explicit OptionsButton(QWidget *parent, bool plate = false)
        : QAbstractButton(parent), m_plate(plate)
    {
        setFixedSize(22, 22);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        //: Popover list row
        setAccessibleName(VolumesPopover::tr("Options"));
        setToolTip(accessibleName());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (m_plate) {
            painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
            painter.setBrush(PopoverPanel::materialColour(1.0));
            painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        if (underMouse()) {
            QColor shade = palette().color(QPalette::WindowText);
            shade.setAlphaF(0.14);
            painter.setPen(Qt::NoPen);
            painter.setBrush(shade);
            if (m_plate)
                painter.drawEllipse(QRectF(rect()));
            else
                painter.drawRoundedRect(QRectF(rect()), 5, 5);
        }
        const int glyph = 12;
        const QPixmap chevron =
            SymbolIcons::tinted(SymbolIcons::fallback(SymbolIcons::Symbol::chevronDown), glyph,
                                SystemColours::secondaryLabel(palette()), devicePixelRatioF());
        painter.drawPixmap(QPointF((width() - glyph) / 2.0, (height() - glyph) / 2.0), chevron);
    }

private:
    bool m_plate;
};

// The hairline between the rows and the bottom area.
class Separator : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QColor line = palette().color(QPalette::WindowText);
        line.setAlphaF(0.16);
        painter.fillRect(QRect(10, height() / 2, width() - 20, 1), line);
    }
};

} // namespace

namespace PopoverChrome {

QIcon folderIcon()
{
    return QIcon::fromTheme(QStringLiteral("folder"),
                            QApplication::style()->standardIcon(QStyle::SP_DirIcon));
}

QPixmap folderPixmap(int side)
{
    return folderIcon().pixmap(QSize(side, side), qApp ? qApp->devicePixelRatio() : 1.0);
}

QString openInFileManagerTitle()
{
    //: Popover folder entry
    return VolumesPopover::tr("Open in File Manager");
}

namespace {

QString gridTitle()
{
    //: Popover grid title
    return VolumesPopover::tr("Removable Media");
}

QFont gridTitleFont()
{
    return SystemFont::ofSize(13, QFont::DemiBold);
}

// The title keeps clear of the options button on its right, and as much on its left.
constexpr int gridTitleMargin = 40;

} // namespace

int gridTitleMinimumWidth()
{
    return QFontMetrics(gridTitleFont()).horizontalAdvance(gridTitle()) + 2 * gridTitleMargin + 8;
}

QAbstractButton *addGridTitleBar(QWidget *content, const QRect &body, const QPalette &panelPalette)
{
    auto *title = new QLabel(content);
    title->setText(gridTitle());
    title->setFont(gridTitleFont());
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, SystemColours::secondaryLabel(panelPalette));
    title->setPalette(titlePalette);
    title->setGeometry(body.left() + gridTitleMargin, body.top() + int(GridPanelGeometry::titleTop),
                       body.width() - 2 * gridTitleMargin,
                       int(GridPanelGeometry::titleBarHeight) - 10);

    auto *options = new OptionsButton(content);
    options->move(body.right() + 1 - 14 - options->width(), body.top() + 6);
    return options;
}

QAbstractButton *addFanOptionsButton(QWidget *fan, const QPointF &centre)
{
    auto *options = new OptionsButton(fan, true);
    options->setPalette(PopoverPanel::hudPalette(options->palette()));
    options->move((centre - QPointF(options->width(), options->height()) / 2).toPoint());
    return options;
}

ListBottomArea addListBottomArea(QWidget *parent, int width)
{
    ListBottomArea bottom;
    bottom.area = new QWidget(parent);
    bottom.area->resize(width, int(ListPanelGeometry::bottomAreaHeight));
    auto *line = new Separator(bottom.area);
    line->setGeometry(0, 0, width, 8);

    bottom.folder = new ListRowView(folderIcon(), openInFileManagerTitle(), bottom.area);
    bottom.folder->setGeometry(0, 8, width, ListRowView::rowHeight);

    //: Popover list row
    bottom.options = new ListRowView(QIcon(), VolumesPopover::tr("Options"), bottom.area);
    bottom.options->setAccessory(ListRowView::Accessory::options);
    bottom.options->setGeometry(0, 8 + ListRowView::rowHeight, width, ListRowView::rowHeight);
    return bottom;
}

} // namespace PopoverChrome
