#include "app/paletteglyphs.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qel {

namespace {

constexpr int kSize = 19;
const QColor kInk(30, 30, 30);
const QColor kFill(120, 160, 220);

void pointer(QPainter& p) {
    QPainterPath arrow;
    arrow.moveTo(5, 2);
    arrow.lineTo(5, 15);
    arrow.lineTo(8, 12);
    arrow.lineTo(10.5, 17);
    arrow.lineTo(12.5, 16);
    arrow.lineTo(10, 11);
    arrow.lineTo(14, 11);
    arrow.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void text(QPainter& p) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("A"));
}

void picture(QPainter& p) {
    p.setBrush(QColor(200, 225, 250));
    p.drawRect(QRectF(2.5, 3.5, 14, 12));
    p.setBrush(QColor(90, 150, 70));
    p.drawPolygon(QPolygonF(
        {QPointF(3, 15), QPointF(8, 8), QPointF(11, 12), QPointF(13, 10), QPointF(16, 15)}));
    p.setBrush(QColor(240, 200, 40));
    p.drawEllipse(QPointF(13, 6.5), 1.5, 1.5);
}

void polyline(QPainter& p, bool closed) {
    const QPolygonF points(
        {QPointF(2.5, 15.5), QPointF(6.5, 4.5), QPointF(11.5, 12.5), QPointF(16.5, 3.5)});
    if (closed) {
        p.setBrush(kFill);
        p.drawPolygon(QPolygonF(
            {QPointF(2.5, 15.5), QPointF(5.5, 3.5), QPointF(16.5, 6.5), QPointF(12.5, 15.5)}));
    } else {
        p.drawPolyline(points);
    }
}

void freehand(QPainter& p) {
    QPainterPath path;
    path.moveTo(2, 13);
    path.cubicTo(4, 2, 8, 4, 9, 10);
    path.cubicTo(10, 16, 15, 15, 17, 5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// Half an ellipse on the lower-left diagonal, open or closed by its chord.
void halfEllipse(QPainter& p, bool closed) {
    QPainterPath path;
    const QRectF box(2.5, 2.5, 14, 14);
    path.arcMoveTo(box, 45);
    path.arcTo(box, 45, 180);
    if (closed) {
        path.closeSubpath();
        p.setBrush(kFill);
    } else {
        p.setBrush(Qt::NoBrush);
    }
    p.drawPath(path);
}

// A sample stroke of a pen style; the clear pen is a faint outline crossed out.
void penSample(QPainter& p, int style) {
    if (style == 5) {
        p.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
        p.drawRect(QRectF(3.5, 5.5, 12, 8));
        p.setPen(QPen(QColor(190, 40, 40), 1.5));
        p.drawLine(QPointF(3, 15), QPointF(16, 4));
        return;
    }
    static const QList<qreal> kDash{4, 2};
    static const QList<qreal> kDot{1, 1.5};
    static const QList<qreal> kDashDot{4, 1.5, 1, 1.5};
    static const QList<qreal> kDashDotDot{3, 1.5, 1, 1.5, 1, 1.5};
    QPen pen(kInk, 2, Qt::SolidLine, Qt::FlatCap);
    switch (style) {
    case 1:
        pen.setDashPattern(kDash);
        break;
    case 2:
        pen.setDashPattern(kDot);
        break;
    case 3:
        pen.setDashPattern(kDashDot);
        break;
    case 4:
        pen.setDashPattern(kDashDotDot);
        break;
    default:
        break;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(pen);
    p.drawLine(QPointF(1, 9.5), QPointF(18, 9.5));
}

// A square filled as the brush style would fill a shape.
void brushSample(QPainter& p, int style) {
    static constexpr Qt::BrushStyle kStyles[8] = {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(2, 2, 14, 14);
    p.setBrush(QBrush(style == 0 ? QColor(90, 90, 90) : kInk, kStyles[style & 7]));
    p.drawRect(2, 2, 14, 14);
}

void line(QPainter& p) {
    p.drawLine(QPointF(3, 16), QPointF(16, 3));
}

void rectangle(QPainter& p) {
    p.setBrush(kFill);
    p.drawRect(QRectF(2.5, 4.5, 14, 10));
}

void ellipse(QPainter& p) {
    p.setBrush(kFill);
    p.drawEllipse(QRectF(1.5, 4.5, 16, 10));
}

void roundRect(QPainter& p) {
    p.setBrush(kFill);
    p.drawRoundedRect(QRectF(2.5, 4.5, 14, 10), 4, 4);
}

struct ToolGlyph {
    const char* name; // as the tool table names it
    void (*draw)(QPainter&);
};

const ToolGlyph kToolGlyphs[] = {
    {"pointer", pointer},
    {"text", text},
    {"picture", picture},
    {"line", line},
    {"arc", [](QPainter& p) { halfEllipse(p, false); }},
    {"polyline", [](QPainter& p) { polyline(p, false); }},
    {"polygon", [](QPainter& p) { polyline(p, true); }},
    {"rectangle", rectangle},
    {"ellipse", ellipse},
    {"roundrect", roundRect},
    {"freehand", freehand},
    {"chord", [](QPainter& p) { halfEllipse(p, true); }},
};

} // namespace

QIcon paletteGlyph(const QString& name) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(Qt::NoBrush);
    const auto tool =
        std::find_if(std::begin(kToolGlyphs), std::end(kToolGlyphs),
                     [&](const ToolGlyph& g) { return name == QLatin1String(g.name); });
    if (tool != std::end(kToolGlyphs)) {
        tool->draw(p);
    } else if (name.startsWith(QLatin1String("pen"))) {
        penSample(p, name.mid(3).toInt());
    } else if (name.startsWith(QLatin1String("brush"))) {
        brushSample(p, name.mid(5).toInt());
    } else {
        return {};
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace qel
