#include "app/splash.h"

#include "render/logo.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>

namespace qel {

QPixmap splashPixmap() {
    const QSize size(420, 260);
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    QLinearGradient band(0, 0, 0, size.height());
    band.setColorAt(0, QColor(255, 255, 255));
    band.setColorAt(1, QColor(191, 207, 255));
    painter.fillRect(pixmap.rect(), band);
    painter.setPen(QPen(QColor(0, 0, 127), 2));
    painter.drawRect(pixmap.rect().adjusted(1, 1, -2, -2));
    painter.drawPixmap(QPoint((size.width() - 240) / 2, 16), drawLogo(QSize(240, 190), true));

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 127));
    painter.drawText(QRect(0, 210, size.width(), 40), Qt::AlignCenter,
                     QStringLiteral("Dessin vectoriel — version 1.0"));
    return pixmap;
}

std::unique_ptr<QSplashScreen> showSplash() {
    auto splash = std::make_unique<QSplashScreen>(splashPixmap());
    splash->setAccessibleName(QStringLiteral("Qel Draw"));
    splash->show();
    // Paint now: the message loop only starts once the frame is built.
    splash->repaint();
    QCoreApplication::processEvents();
    return splash;
}

} // namespace qel
