#include "ToolbarIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

struct Colours {
    QColor main, dark, light;
};

// A round button with a white sign on it; the sign is drawn in a 20-unit square.
void DrawDisc(QPainter& p, const Colours& c)
{
    p.setPen(QPen(c.dark, 1));
    p.setBrush(c.main);
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
}

void DrawArrow(QPainter& p, const Colours& c, bool right)
{
    DrawDisc(p, c);
    QPainterPath arrow;
    arrow.moveTo(5, 10);
    arrow.lineTo(10, 5);
    arrow.lineTo(10, 8);
    arrow.lineTo(15, 8);
    arrow.lineTo(15, 12);
    arrow.lineTo(10, 12);
    arrow.lineTo(10, 15);
    arrow.closeSubpath();
    if (right)
        arrow = QTransform(-1, 0, 0, 1, 20, 0).map(arrow);
    p.setPen(Qt::NoPen);
    p.setBrush(c.light);
    p.drawPath(arrow);
}

void DrawBack(QPainter& p, const Colours& c) { DrawArrow(p, c, false); }
void DrawForward(QPainter& p, const Colours& c) { DrawArrow(p, c, true); }

void DrawStop(QPainter& p, const Colours& c)
{
    DrawDisc(p, c);
    p.setPen(QPen(c.light, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
    p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
}

void DrawRefresh(QPainter& p, const Colours& c)
{
    const QRectF ring(4, 4, 12, 12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.dark, 4.2, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 60 * 16, 280 * 16);
    p.setPen(QPen(c.main, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 60 * 16, 280 * 16);
    // The head at the arc's end (60 degrees), pointing along it.
    const double angle = 60 * std::numbers::pi / 180;
    const QPointF end(10 + 6 * std::cos(angle), 10 - 6 * std::sin(angle));
    QPainterPath head;
    head.moveTo(end + QPointF(-4.5, -2.2));
    head.lineTo(end + QPointF(2.8, -3.2));
    head.lineTo(end + QPointF(-0.8, 3.6));
    head.closeSubpath();
    p.setPen(QPen(c.dark, 0.8));
    p.setBrush(c.main);
    p.drawPath(head);
}

void DrawHome(QPainter& p, const Colours& c)
{
    p.setPen(QPen(c.dark, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(c.light);
    p.drawRect(QRectF(4.5, 9.5, 11, 8));
    p.setBrush(c.dark);
    p.drawRect(QRectF(8.5, 12.5, 3, 5));
    QPainterPath roof;
    roof.moveTo(1.5, 10.5);
    roof.lineTo(10, 2.5);
    roof.lineTo(18.5, 10.5);
    roof.closeSubpath();
    p.setBrush(c.main);
    p.drawPath(roof);
}

void DrawSearch(QPainter& p, const Colours& c)
{
    p.setPen(QPen(c.dark, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 12.5), QPointF(17.5, 17.5));
    p.setPen(QPen(c.dark, 1.2));
    p.setBrush(c.light);
    p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    p.setPen(QPen(c.main, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4.2, 4.2, 7.6, 7.6));
}

// A button's picture: its drawing and its colours (main, dark); greyed when the button is off.
struct Design {
    const char* key;
    void (*draw)(QPainter&, const Colours&);
    QColor main, dark;
};

const Design kDesigns[] = {
    {"Back", DrawBack, QColor(0x3c, 0xa0, 0x3c), QColor(0x1e, 0x64, 0x1e)},
    {"Forward", DrawForward, QColor(0x3c, 0xa0, 0x3c), QColor(0x1e, 0x64, 0x1e)},
    {"Stop", DrawStop, QColor(0xd2, 0x32, 0x28), QColor(0x8c, 0x14, 0x10)},
    {"Refresh", DrawRefresh, QColor(0x32, 0x78, 0xc8), QColor(0x14, 0x46, 0x8c)},
    {"Home", DrawHome, QColor(0xe6, 0xa0, 0x32), QColor(0x8c, 0x50, 0x14)},
    {"Search", DrawSearch, QColor(0x32, 0x78, 0xc8), QColor(0x14, 0x46, 0x8c)},
};

class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(const Design& design) : design_(design) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::min(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 20.0, side / 20.0);
        const Colours colours = mode == QIcon::Disabled
                                  ? Colours{QColor(0xb4, 0xb4, 0xb4), QColor(0x8c, 0x8c, 0x8c), Qt::white}
                                  : Colours{design_.main, design_.dark, Qt::white};
        design_.draw(*painter, colours);
        painter->restore();
    }

    // The icon asks for the size in the screen's pixels, and sets the scale on what it gets.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state);
    }

    QIconEngine* clone() const override { return new DrawnIcon(design_); }

private:
    const Design& design_;
};

} // namespace

QIcon ToolbarIcon(const QString& key)
{
    for (const Design& design : kDesigns)
        if (key == QLatin1String(design.key))
            return QIcon(new DrawnIcon(design));
    return {};
}
