#include "surfaces/symbolicons.h"

#include "surfaces/quillmeremark.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QtMath>

namespace {

using SymbolIcons::Symbol;

// Draws one symbol on a 16-unit square.
void drawSymbol(QPainter &painter, Symbol symbol, const QColor &colour)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen line(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (symbol) {
    case Symbol::drive: {
        painter.setPen(line);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(1.75, 4.75, 12.5, 6.5), 1.5, 1.5);
        painter.drawLine(QPointF(1.75, 8.5), QPointF(14.25, 8.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(11.75, 9.9), 0.8, 0.8);
        break;
    }
    case Symbol::clock:
        painter.setPen(line);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(8, 8), 6.25, 6.25);
        painter.drawPolyline(QPolygonF({QPointF(8, 4.25), QPointF(8, 8), QPointF(10.75, 9.5)}));
        break;
    case Symbol::gear: {
        QPainterPath teeth;
        for (int i = 0; i < 8; ++i) {
            const qreal angle = qDegreesToRadians(i * 45.0);
            QTransform turn;
            turn.translate(8, 8);
            turn.rotateRadians(angle);
            QPainterPath tooth;
            tooth.addRoundedRect(QRectF(-1.4, -7.25, 2.8, 3.5), 0.6, 0.6);
            teeth.addPath(turn.map(tooth));
        }
        QPainterPath disc;
        disc.addEllipse(QPointF(8, 8), 5.25, 5.25);
        QPainterPath hub;
        hub.addEllipse(QPointF(8, 8), 2.1, 2.1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPath(teeth.united(disc).subtracted(hub));
        break;
    }
    case Symbol::eject:
        painter.translate(2, 2.5);
        QuillmereMark::draw(painter, 12, colour);
        break;
    case Symbol::grid:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (qreal x : {2.0, 9.0}) {
            for (qreal y : {2.0, 9.0})
                painter.drawRoundedRect(QRectF(x, y, 5, 5), 1.2, 1.2);
        }
        break;
    case Symbol::list:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (qreal y : {3.5, 8.0, 12.5}) {
            painter.drawEllipse(QPointF(2.75, y), 1.25, 1.25);
            painter.drawRoundedRect(QRectF(5.5, y - 0.75, 9, 1.5), 0.75, 0.75);
        }
        break;
    case Symbol::folder: {
        QPainterPath path;
        path.moveTo(1.75, 4);
        path.lineTo(1.75, 13);
        path.lineTo(14.25, 13);
        path.lineTo(14.25, 5.5);
        path.lineTo(7.5, 5.5);
        path.lineTo(6, 3.5);
        path.lineTo(2.25, 3.5);
        path.closeSubpath();
        painter.setPen(line);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        break;
    }
    case Symbol::chevronUp:
        painter.setPen(QPen(colour, 1.75, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(3.5, 10.5), QPointF(8, 6), QPointF(12.5, 10.5)}));
        break;
    case Symbol::chevronDown:
        painter.setPen(QPen(colour, 1.75, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(3.5, 6), QPointF(8, 10.5), QPointF(12.5, 6)}));
        break;
    case Symbol::sidebar:
        painter.setPen(line);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(1.75, 2.75, 12.5, 10.5), 1.75, 1.75);
        painter.drawLine(QPointF(6, 2.75), QPointF(6, 13.25));
        break;
    }
}

class SymbolIconEngine : public QIconEngine {
public:
    explicit SymbolIconEngine(Symbol symbol) : m_symbol(symbol) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        QColor colour = palette.color(QPalette::Active, QPalette::WindowText);
        if (mode == QIcon::Disabled)
            colour = palette.color(QPalette::Disabled, QPalette::WindowText);
        else if (mode == QIcon::Selected)
            colour = palette.color(QPalette::Active, QPalette::HighlightedText);
        const qreal side = std::min(rect.width(), rect.height());
        painter->save();
        painter->translate(rect.x() + (rect.width() - side) / 2.0,
                           rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 16.0, side / 16.0);
        drawSymbol(*painter, m_symbol, colour);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, image.rect(), mode, state);
        painter.end();
        return QPixmap::fromImage(std::move(image));
    }

    QIconEngine *clone() const override { return new SymbolIconEngine(m_symbol); }

private:
    Symbol m_symbol;
};

} // namespace

QString SymbolIcons::themeName(Symbol symbol)
{
    switch (symbol) {
    case Symbol::drive:
        return QStringLiteral("drive-harddisk");
    case Symbol::clock:
        return QStringLiteral("document-open-recent");
    case Symbol::gear:
        return QStringLiteral("preferences-system");
    case Symbol::eject:
        return QStringLiteral("media-eject");
    case Symbol::grid:
        return QStringLiteral("view-grid");
    case Symbol::list:
        return QStringLiteral("view-list-details");
    case Symbol::folder:
        return QStringLiteral("folder");
    case Symbol::chevronUp:
        return QStringLiteral("go-up");
    case Symbol::chevronDown:
        return QStringLiteral("go-down");
    case Symbol::sidebar:
        return QStringLiteral("sidebar-show");
    }
    return {};
}

QIcon SymbolIcons::fallback(Symbol symbol)
{
    return QIcon(new SymbolIconEngine(symbol));
}

QIcon SymbolIcons::icon(Symbol symbol)
{
    return QIcon::fromTheme(themeName(symbol), fallback(symbol));
}

QPixmap SymbolIcons::tinted(const QIcon &icon, int side, const QColor &colour,
                            qreal devicePixelRatio)
{
    QPixmap result = icon.pixmap(QSize(side, side), devicePixelRatio);
    if (result.isNull())
        return result;
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(), colour);
    painter.end();
    return result;
}
