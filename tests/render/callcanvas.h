#pragma once

// A canvas that writes down what it is asked to draw, with the attributes in force, so that
// the painters' decisions can be checked without rasterising.

#include "render/canvas.h"
#include <QString>
#include <QStringList>

namespace qel::test {

class CallCanvas : public Canvas {
public:
    explicit CallCanvas(QSize size = {200, 150}) : size_(size) {}

    QStringList calls;
    // Each drawing call is followed by " |b<style>:<colour> p<style>,<width>:<colour> <mode>" when
    // attributes are logged, with the font for texts and the first pixel for pictures.
    bool logAttributes = false;

    QSize size() const override { return size_; }
    void line(QPoint a, QPoint b) override {
        log(QStringLiteral("line %1,%2 %3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y()));
    }
    void polyline(const QPoint* p, int n) override { log(QStringLiteral("polyline") + pts(p, n)); }
    void polygon(const QPoint* p, int n) override { log(QStringLiteral("polygon") + pts(p, n)); }
    void rectangle(int l, int t, int r, int b) override { log(box(u"rect", l, t, r, b)); }
    void ellipse(int l, int t, int r, int b) override { log(box(u"ellipse", l, t, r, b)); }
    void roundRect(int l, int t, int r, int b, int w, int h) override {
        log(box(u"roundrect", l, t, r, b) + QStringLiteral(" %1x%2").arg(w).arg(h));
    }
    void arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override {
        log(box(u"arc", l, t, r, b) +
            QStringLiteral(" %1,%2 %3,%4").arg(x3).arg(y3).arg(x4).arg(y4));
    }
    void chord(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override {
        log(box(u"chord", l, t, r, b) +
            QStringLiteral(" %1,%2 %3,%4").arg(x3).arg(y3).arg(x4).arg(y4));
    }
    void fillRect(int l, int t, int r, int b) override { log(box(u"fill", l, t, r, b)); }
    void textOut(int x, int y, const QString& text) override {
        log(QStringLiteral("text %1,%2 %3").arg(x).arg(y).arg(text) +
            (logAttributes ? QString::asprintf(" f%s,%d,%d%d%d%d:%06x", qPrintable(font_.name),
                                               font_.size, font_.bold, font_.italic,
                                               font_.underline, font_.strikeOut, font_.colour)
                           : QString()));
    }
    QSize textExtent(const QString& text) override { return {8 * int(text.size()), 16}; }
    void setPixel(int x, int y, Colour c) override {
        log(QStringLiteral("pixel %1,%2").arg(x).arg(y) +
            (logAttributes ? QStringLiteral(" %1").arg(c, 6, 16, QChar(u'0')) : QString()));
    }
    Colour pixel(int, int) const override { return kWhite; }
    void stretchDraw(int l, int t, int r, int b, const QImage& p) override {
        log(box(u"picture", l, t, r, b) + QStringLiteral(" %1x%2").arg(p.width()).arg(p.height()) +
            (logAttributes ? QStringLiteral(" %1").arg(p.pixel(0, 0) & 0xFFFFFF, 6, 16)
                           : QString()));
    }
    void whiteness(int l, int t, int r, int b) override { log(box(u"white", l, t, r, b)); }

private:
    static QString box(QStringView what, int l, int t, int r, int b) {
        return QStringLiteral("%1 %2,%3,%4,%5").arg(what).arg(l).arg(t).arg(r).arg(b);
    }
    static QString pts(const QPoint* p, int n) {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QStringLiteral(" %1,%2").arg(p[i].x()).arg(p[i].y());
        return s;
    }
    void log(QString s) {
        if (logAttributes)
            s += QString::asprintf(" |b%d:%06x p%d,%d:%06x %s", brush_.style, brush_.colour,
                                   pen_.style, pen_.width, pen_.colour,
                                   pen_.mode == PenMode::Copy ? "copy" : "notxor");
        calls << s;
    }
    QSize size_;
};

} // namespace qel::test
