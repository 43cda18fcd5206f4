#pragma once
// Shared drawing helpers: every picture is flat colour with a darker outline,
// drawn in a fixed design space and scaled to the picture's pixel size.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace art {

// Pure white is the transparency key of the white-keyed pictures; motifs use
// this off-white wherever they must stay visible.
inline const QColor kOffWhite(0xFA, 0xFA, 0xF6);
inline const QColor kKeyWhite(0xFF, 0xFF, 0xFF);

QImage WhiteCanvas(int w, int h);  // opaque, exact #FFFFFF
QImage ClearCanvas(int w, int h);  // fully transparent

// Opens a painter on img whose coordinates run over designW x designH.
void Begin(QPainter& p, QImage& img, double designW, double designH);

// Fills a shape and draws its outline with round joins.
void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line,
           double width);
// A stroke of the given width turned into an outlined shape of its own.
void Stroke(QPainter& p, const QPainterPath& centre, double width, const QColor& fill,
            const QColor& line, double lineWidth, Qt::PenCapStyle cap = Qt::RoundCap);

QPainterPath Circle(double cx, double cy, double r);
QPainterPath Ellipse(double cx, double cy, double rx, double ry, double degrees = 0);
QPainterPath RoundRect(double x, double y, double w, double h, double r);
QPainterPath Polygon(std::initializer_list<QPointF> points);
QPainterPath Turned(const QPainterPath& path, double degrees, QPointF centre);

// Exact white pixels not reachable from the picture's edge through other exact
// white pixels would turn into see-through holes; they become off-white.
// Returns how many pixels changed.
int SealWhiteHoles(QImage& img);

// White-keyed copy: exact #FFFFFF becomes transparent, as the program draws walls.
QImage KeyedCopy(const QImage& img);

}  // namespace art
