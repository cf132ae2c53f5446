#include "surfaces/popoverlayoutbuilder.h"

#include <QScreen>

PopoverLayoutBuilder::PopoverLayoutBuilder(VolumeIconProvider *icons,
                                           const PopoverLayout::Anchor &anchor, QScreen *screen)
    : m_icons(icons), m_anchor(anchor), m_screen(screen)
{
}

QRectF PopoverLayoutBuilder::screenRect() const
{
    return m_screen ? QRectF(m_screen->geometry()) : QRectF();
}

QRectF PopoverLayoutBuilder::availableRect() const
{
    return m_screen ? QRectF(m_screen->availableGeometry()) : QRectF();
}

QRect PopoverLayoutBuilder::pixelFrame(const QRectF &frame)
{
    return QRect(qRound(frame.x()), qRound(frame.y()), qRound(frame.width()),
                 qRound(frame.height()));
}
