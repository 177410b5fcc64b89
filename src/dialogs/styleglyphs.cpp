#include "dialogs/styleglyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qel {

namespace {

constexpr QSize kGlyphSize{28, 16};
const QColor kInk(30, 30, 30);

QPixmap blank() {
    QPixmap pixmap(kGlyphSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void arrowHead(QPainter& p, QPointF tip, qreal direction) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip.x() - direction * 6, tip.y() - 4);
    head.lineTo(tip.x() - direction * 6, tip.y() + 4);
    head.closeSubpath();
    p.fillPath(head, kInk);
}

} // namespace

QIcon penStyleGlyph(int style) {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    const qreal mid = kGlyphSize.height() / 2.0;
    if (style == 5) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
        p.drawRect(QRectF(6.5, 3.5, 15, 9));
        p.setPen(QPen(QColor(190, 40, 40), 1.5));
        p.drawLine(QPointF(6, 14), QPointF(22, 2));
        return QIcon(pixmap);
    }
    static const QList<qreal> kDash{4, 2};
    static const QList<qreal> kDot{1, 1.5};
    static const QList<qreal> kDashDot{4, 1.5, 1, 1.5};
    static const QList<qreal> kDashDotDot{3, 1.5, 1, 1.5, 1, 1.5};
    const QList<qreal>* const patterns[] = {nullptr, &kDash, &kDot, &kDashDot, &kDashDotDot};
    QPen pen(kInk, 2, Qt::SolidLine, Qt::FlatCap);
    if (style >= 1 && style <= 4) pen.setDashPattern(*patterns[style]);
    p.setPen(pen);
    p.drawLine(QPointF(2, mid), QPointF(kGlyphSize.width() - 2, mid));
    return QIcon(pixmap);
}

QIcon brushStyleGlyph(int style) {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setPen(QPen(kInk, 1));
    p.setBrush(style == 0 ? QBrush(QColor(90, 90, 90)) : QBrush(Qt::white));
    p.drawRect(7, 1, 14, 13);
    return QIcon(pixmap);
}

QIcon arrowGlyph(int code) {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal mid = kGlyphSize.height() / 2.0;
    const qreal left = 3, right = kGlyphSize.width() - 3;
    const bool atStart = code == 1 || code == 3, atEnd = code == 2 || code == 3;
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(atStart ? left + 4 : left, mid), QPointF(atEnd ? right - 4 : right, mid));
    if (atStart) arrowHead(p, QPointF(left, mid), -1);
    if (atEnd) arrowHead(p, QPointF(right, mid), 1);
    return QIcon(pixmap);
}

} // namespace qel
