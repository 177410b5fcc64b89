#pragma once

#include "render/canvas.h"

#include <QStringList>

namespace qel {

// A canvas that writes down every drawing call with the pen and brush it was made with, so that
// tests can compare what two painters asked for.
class LoggingCanvas : public Canvas {
public:
    explicit LoggingCanvas(QSize size = QSize(400, 300)) : size_(size) {}

    QStringList calls;

    QSize size() const override { return size_; }
    void line(QPoint a, QPoint b) override { log("line", {a.x(), a.y(), b.x(), b.y()}, false); }
    void polyline(const QPoint* p, int n) override { log("polyline", flat(p, n), false); }
    void polygon(const QPoint* p, int n) override { log("polygon", flat(p, n), true); }
    void rectangle(int l, int t, int r, int b) override { log("rectangle", {l, t, r, b}, true); }
    void ellipse(int l, int t, int r, int b) override { log("ellipse", {l, t, r, b}, true); }
    void roundRect(int l, int t, int r, int b, int w, int h) override {
        log("roundRect", {l, t, r, b, w, h}, true);
    }
    void arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override {
        log("arc", {l, t, r, b, x3, y3, x4, y4}, false);
    }
    void chord(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override {
        log("chord", {l, t, r, b, x3, y3, x4, y4}, true);
    }
    void fillRect(int l, int t, int r, int b) override {
        calls << QStringLiteral("fillRect %1 %2 %3 %4 brush %5/%6")
                     .arg(l)
                     .arg(t)
                     .arg(r)
                     .arg(b)
                     .arg(brush_.style)
                     .arg(brush_.colour, 6, 16, QLatin1Char('0'));
    }
    void textOut(int x, int y, const QString& text) override {
        calls << QStringLiteral("text %1 %2 \"%3\" %4 %5pt bold %6 colour %7 background %8")
                     .arg(x)
                     .arg(y)
                     .arg(text, font_.name)
                     .arg(font_.size)
                     .arg(font_.bold)
                     .arg(font_.colour, 6, 16, QLatin1Char('0'))
                     .arg(brush_.style == 0 ? QString::number(brush_.colour, 16)
                                            : QStringLiteral("none"));
    }
    QSize textExtent(const QString& text) override { return QSize(8 * int(text.size()), 16); }
    void setPixel(int x, int y, Colour c) override {
        calls << QStringLiteral("pixel %1 %2 %3").arg(x).arg(y).arg(c, 6, 16, QLatin1Char('0'));
    }
    Colour pixel(int, int) const override { return kWhite; }
    void stretchDraw(int l, int t, int r, int b, const QImage& picture) override {
        calls << QStringLiteral("picture %1 %2 %3 %4 %5x%6 %7")
                     .arg(l)
                     .arg(t)
                     .arg(r)
                     .arg(b)
                     .arg(picture.width())
                     .arg(picture.height())
                     .arg(picture.pixel(0, 0) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    }
    void whiteness(int l, int t, int r, int b) override {
        calls << QStringLiteral("whiteness %1 %2 %3 %4").arg(l).arg(t).arg(r).arg(b);
    }

private:
    static std::vector<int> flat(const QPoint* p, int n) {
        std::vector<int> v;
        for (int i = 0; i < n; ++i) {
            v.push_back(p[i].x());
            v.push_back(p[i].y());
        }
        return v;
    }
    void log(const char* what, const std::vector<int>& values, bool filled) {
        QString s = QString::fromLatin1(what);
        for (int v : values)
            s += QLatin1Char(' ') + QString::number(v);
        s += QStringLiteral(" pen %1/%2/%3%4")
                 .arg(pen_.style)
                 .arg(pen_.width)
                 .arg(pen_.colour, 6, 16, QLatin1Char('0'))
                 .arg(pen_.mode == PenMode::NotXor ? QStringLiteral("/notxor") : QString());
        if (filled)
            s += QStringLiteral(" brush %1/%2")
                     .arg(brush_.style)
                     .arg(brush_.colour, 6, 16, QLatin1Char('0'));
        calls << s;
    }
    QSize size_;
};

} // namespace qel
