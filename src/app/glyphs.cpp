#include "app/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qel {

namespace {

void page(QPainter& p, QColor fill = Qt::white) {
    QPainterPath path;
    path.moveTo(5, 2);
    path.lineTo(13, 2);
    path.lineTo(17, 6);
    path.lineTo(17, 18);
    path.lineTo(5, 18);
    path.closeSubpath();
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(13, 2, 13, 6);
    p.drawLine(13, 6, 17, 6);
}

void letter(QPainter& p, const QString& text, bool bold, bool italic, bool underline) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(15);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    p.setFont(f);
    p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, text);
}

void magnifier(QPainter& p, bool plus) {
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    p.setPen(QPen(Qt::black, 2.5));
    p.drawLine(QPointF(12, 12), QPointF(18, 18));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
    if (plus) p.drawLine(QPointF(8, 5.5), QPointF(8, 10.5));
}

} // namespace

QIcon toolbarGlyph(const QString& name) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    if (name == QLatin1String("new")) {
        page(p);
    } else if (name == QLatin1String("open")) {
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2, 6, 16, 11));
        p.drawRect(QRectF(2, 4, 6, 2));
    } else if (name == QLatin1String("save")) {
        p.setBrush(QColor(70, 110, 190));
        p.drawRect(QRectF(2.5, 2.5, 15, 15));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.drawRect(QRectF(5, 11.5, 10, 6));
    } else if (name == QLatin1String("print")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(2.5, 8.5, 15, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 5));
    } else if (name == QLatin1String("preview")) {
        page(p);
        magnifier(p, false);
    } else if (name == QLatin1String("undo")) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 40, 40), 2));
        QPainterPath arc;
        arc.moveTo(5, 9);
        arc.cubicTo(8, 3, 17, 4, 16, 12);
        p.drawPath(arc);
        p.setBrush(QColor(40, 40, 40));
        p.drawPolygon(QPolygonF({QPointF(2, 7), QPointF(8, 6), QPointF(5, 12)}));
    } else if (name == QLatin1String("cut")) {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(6, 15), 3, 3);
        p.drawEllipse(QPointF(14, 15), 3, 3);
        p.drawLine(QPointF(7.5, 12.5), QPointF(14, 2));
        p.drawLine(QPointF(12.5, 12.5), QPointF(6, 2));
    } else if (name == QLatin1String("copy")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 10, 12));
        p.drawRect(QRectF(7.5, 6.5, 10, 12));
    } else if (name == QLatin1String("paste")) {
        p.setBrush(QColor(200, 160, 90));
        p.drawRect(QRectF(3.5, 3.5, 12, 15));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8.5, 8.5, 9, 10));
    } else if (name == QLatin1String("bold")) {
        letter(p, QStringLiteral("G"), true, false, false);
    } else if (name == QLatin1String("italic")) {
        letter(p, QStringLiteral("I"), false, true, false);
    } else if (name == QLatin1String("underline")) {
        letter(p, QStringLiteral("S"), false, false, true);
    } else if (name == QLatin1String("zoomin")) {
        magnifier(p, true);
    } else if (name == QLatin1String("zoomout")) {
        magnifier(p, false);
    }
    return QIcon(pixmap);
}

} // namespace qel
