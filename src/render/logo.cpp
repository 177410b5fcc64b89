#include "render/logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace qel {

QPixmap drawLogo(const QSize& size, bool withName) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const int w = size.width();
    const int h = size.height();
    const int artHeight = withName ? h * 3 / 5 : h;
    const QRectF art(w * 0.1, artHeight * 0.1, w * 0.8, artHeight * 0.8);
    const qreal pen = qMax<qreal>(1.0, w / 64.0);

    painter.setPen(QPen(Qt::black, pen));
    painter.setBrush(QColor(255, 255, 127));
    painter.drawRect(
        QRectF(art.left(), art.top() + art.height() * 0.3, art.width() * 0.55, art.height() * 0.6));
    painter.setBrush(QColor(127, 127, 255, 220));
    painter.drawEllipse(
        QRectF(art.left() + art.width() * 0.35, art.top(), art.width() * 0.6, art.height() * 0.65));
    painter.setPen(QPen(QColor(255, 0, 0), pen * 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(art.left() + art.width() * 0.05, art.bottom()),
                     QPointF(art.right(), art.top() + art.height() * 0.75));

    if (withName) {
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setItalic(true);
        font.setPixelSize(qMax(8, (h - artHeight) * 3 / 5));
        painter.setFont(font);
        painter.setPen(QColor(0, 0, 127));
        painter.drawText(QRect(0, artHeight, w, h - artHeight), Qt::AlignCenter,
                         QStringLiteral("Qel Draw"));
    }
    return pixmap;
}

} // namespace qel
