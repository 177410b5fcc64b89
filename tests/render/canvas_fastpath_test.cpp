// The canvas writes most figures straight into an image; with a clip set it goes through Qt's
// painter instead. Both must give the same pixels.

#include "render/painter_canvas.h"

#include <QPainter>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>

using namespace qel;

namespace {

QImage noise(int w, int h, quint32 seed) {
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xFF000000u | random.bounded(0x1000000u));
    return image;
}

using Draw = std::function<void(PainterCanvas&)>;

QImage direct(const QImage& ground, const Draw& draw) {
    QImage image = ground;
    PainterCanvas canvas(image);
    draw(canvas);
    return image;
}

// A clip covering the whole image turns the direct writes off.
QImage throughQt(const QImage& ground, const Draw& draw) {
    QImage image = ground;
    QPainter painter(&image);
    painter.setClipRect(image.rect());
    {
        PainterCanvas canvas(painter, image.size());
        draw(canvas);
    }
    painter.end();
    return image;
}

// The first differing pixel and how many differ, for the failure message.
std::string difference(const QImage& a, const QImage& b) {
    int count = 0;
    QString first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0)
                first = QStringLiteral("(%1, %2) %3 vs %4")
                            .arg(x)
                            .arg(y)
                            .arg(a.pixel(x, y), 8, 16)
                            .arg(b.pixel(x, y), 8, 16);
    return QStringLiteral("%1 pixels differ, first %2").arg(count).arg(first).toStdString();
}

std::string pointList(const QPoint* points, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += std::to_string(points[i].x()) + "," + std::to_string(points[i].y()) + " ";
    return out;
}

} // namespace

TEST(CanvasFastPath, ThinFiguresAndFillsMatchQtsPainter) {
    QRandomGenerator random(11);
    const QImage ground = noise(96, 80, 3);
    for (int round = 0; round < 400; ++round) {
        const int kind = random.bounded(7);
        const int l = random.bounded(-10, 90), t = random.bounded(-10, 75);
        const int r = l + random.bounded(1, 60), b = t + random.bounded(1, 50);
        const int x3 = random.bounded(-10, 100), y3 = random.bounded(-10, 90);
        const int x4 = random.bounded(-10, 100), y4 = random.bounded(-10, 90);
        const PenState pen{Colour(random.bounded(0x1000000u)), int(random.bounded(2)),
                           int(random.bounded(7)),
                           random.bounded(2) ? PenMode::NotXor : PenMode::Copy};
        const BrushState brush{Colour(random.bounded(0x1000000u)), int(random.bounded(8))};
        QPoint points[12];
        const int n = random.bounded(2, 12);
        for (int i = 0; i < n; ++i)
            points[i] = QPoint(random.bounded(-10, 100), random.bounded(-10, 90));
        const Draw draw = [&](PainterCanvas& c) {
            c.setPen(pen);
            c.setBrush(brush);
            switch (kind) {
            case 0:
                c.rectangle(l, t, r, b);
                break;
            case 1:
                c.ellipse(l, t, r, b);
                break;
            case 2:
                c.roundRect(l, t, r, b, (r - l) / 2, (b - t) / 3);
                break;
            case 3:
                c.chord(l, t, r, b, x3, y3, x4, y4);
                break;
            case 4:
                c.arc(l, t, r, b, x3, y3, x4, y4);
                break;
            case 5:
                c.polygon(points, n);
                break;
            default:
                c.fillRect(l, t, r, b);
                c.whiteness(x3, y3, x4, y4);
                break;
            }
        };
        const QImage fast = direct(ground, draw), slow = throughQt(ground, draw);
        ASSERT_TRUE(fast == slow) << difference(fast, slow) << " round " << round << " kind "
                                  << kind << " box " << l << "," << t << " " << r << "," << b
                                  << " pen " << pen.width << "/" << pen.style << " brush "
                                  << brush.style << " points " << pointList(points, n);
    }
}

// One-pixel lines and polylines, dashed or not, far out of the image too.
TEST(CanvasFastPath, ThinLinesMatchQtsPainter) {
    QRandomGenerator random(13);
    const QImage ground = noise(96, 80, 4);
    for (int round = 0; round < 300; ++round) {
        const PenState pen{Colour(random.bounded(0x1000000u)), int(random.bounded(2)),
                           int(random.bounded(7)),
                           random.bounded(2) ? PenMode::NotXor : PenMode::Copy};
        QPoint points[12];
        const int n = random.bounded(2, 12);
        for (int i = 0; i < n; ++i)
            points[i] = QPoint(random.bounded(-200, 300), random.bounded(-200, 280));
        const Draw draw = [&](PainterCanvas& c) {
            c.setPen(pen);
            c.line(points[0], points[1]);
            c.polyline(points, n);
        };
        const QImage fast = direct(ground, draw), slow = throughQt(ground, draw);
        ASSERT_TRUE(fast == slow) << difference(fast, slow) << " round " << round << " pen "
                                  << pen.width << "/" << pen.style << " points "
                                  << pointList(points, n);
    }
}

// Long edges add up the fill's fixed-point steps over many rows.
TEST(CanvasFastPath, LargePolygonsMatchQtsPainter) {
    QRandomGenerator random(5);
    const QImage ground = noise(420, 320, 9);
    for (int round = 0; round < 60; ++round) {
        QPoint points[12];
        const int n = random.bounded(3, 12);
        for (int i = 0; i < n; ++i)
            points[i] = QPoint(random.bounded(-300, 700), random.bounded(-300, 600));
        const BrushState brush{Colour(random.bounded(0x1000000u)), int(random.bounded(8))};
        const PenMode mode = random.bounded(2) ? PenMode::NotXor : PenMode::Copy;
        const int penStyle = random.bounded(2) ? 5 : 0;
        const Draw draw = [&](PainterCanvas& c) {
            c.setPen({kBlack, 1, penStyle, mode});
            c.setBrush(brush);
            c.polygon(points, n);
        };
        const QImage fast = direct(ground, draw), slow = throughQt(ground, draw);
        ASSERT_TRUE(fast == slow) << difference(fast, slow) << " round " << round << " points "
                                  << pointList(points, n);
    }
}
