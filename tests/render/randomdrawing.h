#pragma once

// Random drawings with every keyword and the awkward corners of the format: records without a
// style field, style codes out of range, pens too wide for the fast paths, boxes given
// backwards, points outside their box, texts running off the page, boxes that do not read.

#include "document/record.h"
#include <QImage>
#include <QRandomGenerator>
#include <QStringList>

namespace qel::testing {

class RandomDrawing {
public:
    RandomDrawing(QSize page, quint32 seed) : page_(page), random_(seed) {}

    int between(int low, int high) { return low + int(random_.bounded(high - low + 1)); }
    bool chance(int percent) { return between(0, 99) < percent; }

    QString style() {
        if (chance(8)) {
            // Codes out of range keep what the canvas holds.
            QString field = formatStyle(randomStyle());
            field[0] = u'9';
            if (chance(50)) field[9] = u'8';
            if (chance(50)) field[30] = u'7';
            return field;
        }
        return formatStyle(randomStyle());
    }

    Box box(int largest) {
        const int w = between(0, largest), h = between(0, largest);
        const int left = between(-10, page_.width() - 1), top = between(-10, page_.height() - 1);
        Box b{std::max(left, 0), std::max(top, 0), std::max(left + w, 0), std::max(top + h, 0)};
        if (chance(10)) std::swap(b.left, b.right); // resized past a corner
        if (chance(10)) std::swap(b.top, b.bottom);
        return b;
    }

    QString points(int count) {
        QString out;
        QPoint p(between(0, page_.width()), between(0, page_.height()));
        for (int i = 0; i < count; ++i) {
            p += QPoint(between(-40, 40), between(-40, 40));
            p = QPoint(std::clamp(p.x(), 0, 4095), std::clamp(p.y(), 0, 4095));
            out += hexField(p.x(), 3) + hexField(p.y(), 3);
        }
        return out;
    }

    QString pixels() {
        QImage picture(between(1, 9), between(1, 9), QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, random_.generate() | 0xFF000000u);
        QString out = encodePixels(picture);
        if (chance(20)) out.chop(between(1, int(out.size()) - 6)); // a short block
        return out;
    }

    QString chart() {
        const int series = between(1, 4), categories = between(1, 12);
        QString out = QString::number(series);
        for (int s = 0; s < series; ++s) {
            out += QStringLiteral("Serie %1").arg(s + 1).leftJustified(10, u' ', true);
            for (int c = 0; c < categories; ++c)
                out += hexField(between(0, 999), 6);
            out += QChar(0x01);
        }
        out += QChar(0x02);
        for (int c = 0; c < 12; ++c)
            out += QStringLiteral("Cat %1").arg(c + 1).leftJustified(10, u' ', true);
        return out;
    }

    QString shape() {
        static const char16_t* const kinds[] = {
            u"LINE",    u"LINEU", u"RECT",  u"ELLIPSE", u"ROUNDRECT", u"ARCL",
            u"ARCH",    u"ARCLU", u"ARCHU", u"CHORDL",  u"CHORDH",    u"CHORDLU",
            u"CHORDHU", u"POLYG", u"POLYL", u"DRAW",    u"TEXT",      u"TEXT",
            u"BITMAP",  u"META",  u"CHART", u"MOSAIC",  u"UNKNOWN"};
        const QStringView kind(kinds[between(0, int(std::size(kinds)) - 1)]);
        QString payload;
        int largest = between(0, 3) == 0 ? 200 : 50;
        if (kind == u"POLYG" || kind == u"POLYL" || kind == u"DRAW")
            payload = points(between(0, 40));
        else if (kind == u"TEXT")
            payload =
                chance(10) ? QString() : QStringLiteral("Texte à %1 élan").arg(between(0, 999));
        else if (kind == u"BITMAP" || kind == u"META")
            payload = pixels();
        else if (kind == u"CHART")
            largest = 250, payload = chart();
        const Box b = box(largest);
        QString data = encodeBox(b) + payload;
        if (chance(2)) data.replace(0, 3, QStringLiteral("ZZZ")); // a box that does not read
        const QString arrow = chance(30) ? QStringLiteral(">%1").arg(between(1, 3)) : QString();
        if (chance(5)) // no style field: the record before decides
            return QStringLiteral(" 0") + kind.toString() + u' ' + data;
        return buildRecord(chance(10) ? u'*' : u' ', u'0', kind, data, arrow, style());
    }

    QStringList drawing(int shapes) {
        static const char* const backgrounds[] = {"BLANK", "BLANK",  "FILLRECT", "SHAPE",
                                                  "COLOR", "COLORU", "MOSAIC"};
        QStringList list{headerLine(page_.width(), page_.height())};
        const QString background =
            QString::fromLatin1(backgrounds[between(0, int(std::size(backgrounds)) - 1)]);
        list << (background == u"BLANK" ? kBlankBackground
                                        : buildRecord(u' ', u'0', background, {}, {}, style()));
        for (int i = 0; i < shapes; ++i)
            list << shape();
        return list;
    }

private:
    Style randomStyle() {
        static const char* const faces[] = {"Arial", "Times New Roman", "Courier New"};
        Style s;
        s.brushStyle = between(0, 7);
        s.brushColour = random_.generate() & 0xFFFFFF;
        s.penStyle = between(0, 6);
        s.penWidth = chance(60) ? between(0, 1) : chance(70) ? between(2, 16) : between(17, 40);
        s.penColour = random_.generate() & 0xFFFFFF;
        s.fontColour = random_.generate() & 0xFFFFFF;
        s.fontSize = between(0, 30);
        s.fontStyle = between(0, 4);
        s.fontName = QString::fromLatin1(faces[between(0, 2)]);
        return s;
    }

    QSize page_;
    QRandomGenerator random_;
};

} // namespace qel::testing
