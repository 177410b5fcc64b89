#include "referencedrawings.h"

#include "document/record.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <random>

namespace qel::bench {

namespace {

class Maker {
public:
    explicit Maker(unsigned seed, QSize page = kReferencePage) : random_(seed), page_(page) {}

    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool chance(int percent) { return between(0, 99) < percent; }

    Box box(int minSize, int maxSize) {
        const int w = between(minSize, maxSize);
        const int h = between(minSize, maxSize);
        const int left = between(0, page_.width() - w - 1);
        const int top = between(0, page_.height() - h - 1);
        return {left, top, left + w, top + h};
    }

    Colour colour() { return rgbColour(between(0, 255), between(0, 255), between(0, 255)); }

    // A drawing uses a handful of styles again and again: 16 per drawing, every brush style.
    QString style() {
        if (styles_.size() >= 16) return styles_[between(0, int(styles_.size()) - 1)];
        Style s;
        s.brushStyle = int(styles_.size()) % 8;
        s.brushColour = colour();
        s.penStyle = chance(70) ? 0 : between(1, 6);
        s.penWidth = chance(70) ? 1 : between(2, 5);
        s.penColour = colour();
        s.fontColour = colour();
        s.fontSize = between(8, 24);
        s.fontStyle = between(0, 4);
        static const char* faces[] = {"Arial", "Times New Roman", "Courier New"};
        s.fontName = QString::fromLatin1(faces[between(0, 2)]);
        styles_ << formatStyle(s);
        return styles_.last();
    }

    QString points(int count) {
        QPoint p(between(100, page_.width() - 100), between(100, page_.height() - 100));
        QString out;
        for (int i = 0; i < count; ++i) {
            p += QPoint(between(-30, 30), between(-30, 30));
            p = QPoint(std::clamp(p.x(), 0, kMaxCoordinate), std::clamp(p.y(), 0, kMaxCoordinate));
            out += hexField(p.x(), 3) + hexField(p.y(), 3);
        }
        return out;
    }

    QString pixels(int width, int height) {
        QImage picture(width, height, QImage::Format_RGB32);
        const Colour a = colour();
        const Colour b = colour();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const Colour c = ((x / 4 + y / 4) % 2) ? a : b;
                picture.setPixel(x, y, qRgb(redOf(c) ^ (x * 3), greenOf(c) ^ (y * 5), blueOf(c)));
            }
        return encodePixels(picture);
    }

    QString chart() {
        const int series = between(1, 4);
        const int categories = between(2, 12);
        QString out = QString::number(series);
        for (int s = 0; s < series; ++s) {
            out += QStringLiteral("Serie %1").arg(s + 1).leftJustified(10, u' ', true);
            for (int c = 0; c < categories; ++c)
                out += hexField(between(0, 1000), 6);
            out += QChar(0x01);
        }
        out += QChar(0x02);
        for (int c = 0; c < 32; ++c)
            out += QStringLiteral("Cat %1").arg(c + 1).leftJustified(10, u' ', true);
        return out;
    }

    static QString record(QStringView keyword, const Box& b, QStringView payload, QStringView arrow,
                          const QString& style) {
        return buildRecord(u' ', u'0', keyword, encodeBox(b) + payload.toString(), arrow, style);
    }

private:
    std::mt19937 random_;
    QSize page_;
    QStringList styles_;
};

QStringList emptyDrawing(QSize page = kReferencePage) {
    return {headerLine(page.width(), page.height()), kBlankBackground};
}

const char16_t* const kinds[] = {u"LINE",   u"LINEU",   u"RECT",    u"ELLIPSE", u"ROUNDRECT",
                                 u"ARCL",   u"ARCH",    u"ARCLU",   u"ARCHU",   u"CHORDL",
                                 u"CHORDH", u"CHORDLU", u"CHORDHU", u"POLYG",   u"POLYL",
                                 u"DRAW",   u"TEXT",    u"BITMAP",  u"META",    u"CHART"};
constexpr int kindCount = int(std::size(kinds));

} // namespace

static QStringList drawing(int only, int shapes, unsigned seed, QSize page = kReferencePage) {
    Maker m(seed, page);
    QStringList list = emptyDrawing(page);
    list.reserve(shapes + 2);
    // Shapes shrink as they get more numerous so that every drawing covers its page about four
    // times over, as a real drawing would: 8..160 pixels for 1,000 shapes, 4..50 for 10,000.
    const double area = 4.0 * page.width() * page.height() / std::max(shapes, 1);
    const int largest = std::clamp(int(1.6 * std::sqrt(area)), 12, 160);
    const int smallest = std::max(4, largest / 12);
    for (int i = 0; i < shapes; ++i) {
        const QStringView kind(kinds[only >= 0 ? only : i % kindCount]);
        const bool curve = kind.startsWith(u"LINE") || kind.startsWith(u"ARC");
        const QString arrow =
            curve && m.chance(30) ? QStringLiteral(">%1").arg(m.between(1, 3)) : QString();
        QString payload;
        const Box b = m.box(smallest, largest);
        if (kind == u"POLYG" || kind == u"POLYL")
            payload = m.points(m.between(3, 12));
        else if (kind == u"DRAW")
            payload = m.points(m.between(20, 120));
        else if (kind == u"TEXT")
            payload = QStringLiteral("Texte numéro %1").arg(i);
        else if (kind == u"BITMAP" || kind == u"META")
            payload = m.pixels(16, 12);
        else if (kind == u"CHART")
            payload = m.chart();
        list << Maker::record(kind, b, payload, arrow, m.style());
    }
    return list;
}

QStringList mixedDrawing(int shapes, unsigned seed, QSize page) {
    return drawing(-1, shapes, seed, page);
}

QStringList singleKindDrawing(int kind, int shapes, unsigned seed) {
    return drawing(std::clamp(kind, 0, kindCount - 1), shapes, seed);
}

QStringList keywordNames() {
    QStringList names;
    for (const char16_t* k : kinds)
        names << QString::fromUtf16(k);
    return names;
}

QStringList pictureDrawing(int pictures, unsigned seed) {
    Maker m(seed);
    QStringList list = emptyDrawing();
    for (int i = 0; i < pictures; ++i)
        list << Maker::record(u"BITMAP", m.box(150, 400), m.pixels(148, 147), {}, m.style());
    return list;
}

QStringList textDrawing(int texts, unsigned seed) {
    Maker m(seed);
    QStringList list = emptyDrawing();
    for (int i = 0; i < texts; ++i) {
        const Box b = m.box(20, 40);
        list << Maker::record(u"TEXT", b,
                              QStringLiteral("Ligne %1 : le dessin vectoriel en français").arg(i),
                              {}, m.style());
    }
    return list;
}

QByteArray drawingFileBytes(const QStringList& shapeList) {
    QByteArray out;
    for (const QString& line : shapeList) {
        out += line.toLatin1();
        out += "\r\n";
    }
    return out;
}

} // namespace qel::bench
