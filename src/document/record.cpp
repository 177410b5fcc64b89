#include "document/record.h"

#include <algorithm>
#include <array>

namespace qel {

namespace {

// Digit values of the ASCII hexadecimal digits (either case), -1 for every other character.
constexpr std::array<signed char, 128> kHexDigits = [] {
    std::array<signed char, 128> t{};
    for (int c = 0; c < 128; ++c)
        t[c] = c >= '0' && c <= '9'   ? c - '0'
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                      : -1;
    return t;
}();

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    return u < 128 ? kHexDigits[u] : -1;
}

// Reads exactly the digits of text as hex; fails on empty text or a non-digit. Point lists
// and style fields are read for every record of every repaint, so a digit costs a table load
// and the failure test waits for the end.
std::optional<quint64> parseHexWide(QStringView text) {
    if (text.isEmpty() || text.size() > 16) return std::nullopt;
    quint64 v = 0;
    int bad = 0;
    for (QChar c : text) {
        const int d = hexDigit(c);
        bad |= d;
        v = (v << 4) | quint64(d & 15);
    }
    if (bad < 0) return std::nullopt;
    return v;
}

QStringView field(QStringView text, qsizetype from, qsizetype width) {
    if (from >= text.size()) return {};
    return text.mid(from, width);
}

} // namespace

QString hexField(long long value, int width) {
    const long long max = (1LL << (4 * width)) - 1;
    value = std::clamp(value, 0LL, max);
    return QString::number(value, 16).toUpper().rightJustified(width, u'0');
}

QString hexColour(Colour c) {
    return QString::number(c, 16).toUpper().rightJustified(8, u'0');
}

std::optional<int> parseHex(QStringView digits) {
    if (digits.size() > 7) return std::nullopt;
    const auto v = parseHexWide(digits);
    if (!v) return std::nullopt;
    return int(*v);
}

std::optional<Colour> parseHexColour(QStringView digits) {
    if (digits.size() > 8) return std::nullopt;
    const auto v = parseHexWide(digits);
    if (!v) return std::nullopt;
    return Colour(*v);
}

int clampCoordinate(int v) {
    return std::clamp(v, 0, kMaxCoordinate);
}

QString headerLine(int pageWidth, int pageHeight) {
    return hexField(pageWidth, 3) + hexField(pageHeight, 3);
}

int groupOf(QStringView line) {
    if (line.size() < 2) return 0;
    const char16_t g = line[1].unicode();
    return g >= u'1' && g <= u'9' ? g - u'0' : 0;
}

void setMark(QString& line, QChar mark) {
    if (!line.isEmpty()) line[0] = mark;
}

void setGroup(QString& line, int group) {
    if (line.size() >= 2) line[1] = QChar(u'0' + std::clamp(group, 0, 9));
}

QString withMarksOf(const QString& record, QStringView other) {
    const QStringView marks = other.left(2);
    if (QStringView(record).left(2) == marks) return record;
    QString out = marks.toString();
    out += recordBody(record);
    return out;
}

RecordView splitBody(QStringView text) {
    RecordView view;
    QStringView body = text;
    const qsizetype tab = text.indexOf(kTab);
    if (tab >= 0) {
        view.hasTab = true;
        body = text.left(tab);
        QStringView style = text.mid(tab + 1);
        if (style.startsWith(u'>')) {
            view.arrow = style.left(2);
            style = style.size() > 2 ? style.mid(2) : QStringView();
        }
        view.style = style;
    }
    const qsizetype space = body.indexOf(u' ');
    if (space >= 0) {
        view.keyword = body.left(space);
        view.data = body.mid(space + 1);
    }
    return view;
}

RecordView splitRecord(QStringView stored) {
    return splitBody(recordBody(stored));
}

int arrowCode(QStringView arrow) {
    if (arrow.size() == 2 && arrow[0] == u'>' && arrow[1] >= u'1' && arrow[1] <= u'3')
        return arrow[1].unicode() - u'0';
    return 0;
}

std::optional<Box> decodeBox(QStringView data) {
    std::array<int, 4> v{};
    for (int i = 0; i < 4; ++i) {
        const QStringView digits = field(data, 3 * i, 3);
        if (digits.size() != 3) return std::nullopt;
        const auto n = parseHex(digits);
        if (!n) return std::nullopt;
        v[i] = *n;
    }
    return Box{v[0], v[1], v[2], v[3]};
}

std::optional<Box> storedBox(QStringView line) {
    // Every click tests every record: the keyword's blank is found by hand, before any TAB,
    // so that a long point list or picture is not read to its end.
    const qsizetype n = line.size();
    const QChar* c = line.data();
    qsizetype space = 2;
    while (space < n && c[space] != u' ' && c[space] != kTab)
        ++space;
    if (space == 2 || space + 13 > n || c[space] != u' ') return std::nullopt;
    return decodeBox(QStringView(c + space + 1, 12));
}

QString encodeBox(const Box& box) {
    return hexField(box.left, 3) + hexField(box.top, 3) + hexField(box.right, 3) +
           hexField(box.bottom, 3);
}

Box normalisedBox(QPoint a, QPoint b) {
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
            std::max(a.y(), b.y())};
}

QRect rectBetween(QPoint a, QPoint b) {
    const Box s = normalisedBox(a, b);
    return QRect(QPoint(s.left, s.top), QPoint(s.right, s.bottom));
}

QRect rectBetween(const Box& box) {
    return rectBetween(QPoint(box.left, box.top), QPoint(box.right, box.bottom));
}

QString buildRecord(QChar mark, QChar group, QStringView keyword, QStringView data,
                    QStringView arrow, QStringView style) {
    QString r;
    r.reserve(4 + keyword.size() + data.size() + arrow.size() + style.size());
    r += mark;
    r += group;
    r += keyword;
    r += u' ';
    r += data;
    r += kTab;
    r += arrow;
    r += style;
    return r;
}

void SetArray(QStringView payload, PointBuffer& buffer) {
    buffer.last = -1;
    // Whole six-digit points are read straight from the digit table: long DRAW lists are read
    // on every repaint. A short tail goes through the field-by-field reading below.
    const QChar* p = payload.data();
    qsizetype pos = 0;
    for (; pos + 6 <= payload.size(); pos += 6) {
        int d[6], bad = 0;
        for (int i = 0; i < 6; ++i) {
            d[i] = hexDigit(p[pos + i]);
            bad |= d[i];
        }
        if (bad < 0) continue;
        buffer.points[++buffer.last] =
            QPoint(d[0] << 8 | d[1] << 4 | d[2], d[3] << 8 | d[4] << 4 | d[5]);
        if (buffer.last >= kMaxReadPoints - 1) return;
    }
    for (; pos < payload.size(); pos += 6) {
        const QStringView xs = field(payload, pos, 3);
        const QStringView ys = field(payload, pos + 3, 3);
        if (xs.isEmpty() || ys.isEmpty()) break;
        const auto x = parseHex(xs);
        const auto y = parseHex(ys);
        if (!x || !y) continue;
        buffer.points[++buffer.last] = QPoint(*x, *y);
        if (buffer.last >= kMaxReadPoints - 1) break;
    }
}

QString encodePoints(const QPoint* points, int count) {
    QString out;
    out.reserve(6 * count);
    for (int i = 0; i < count; ++i)
        out += hexField(points[i].x(), 3) + hexField(points[i].y(), 3);
    return out;
}

QString formatStyle(const Style& s) {
    QString out;
    out.reserve(31 + s.fontName.size());
    out += QString::number(std::clamp(s.brushStyle, 0, 9));
    out += hexColour(s.brushColour);
    out += QString::number(std::clamp(s.penStyle, 0, 9));
    out += hexField(s.penWidth, 2);
    out += hexColour(s.penColour);
    out += hexColour(s.fontColour);
    out += hexField(s.fontSize, 2);
    out += QString::number(std::clamp(s.fontStyle, 0, 9));
    out += s.fontName;
    return out;
}

void applyStyleField(QStringView f, Style& s) {
    auto digit = [&](qsizetype at) -> int {
        const QStringView d = field(f, at, 1);
        if (d.size() != 1 || !d[0].isDigit() || d[0].unicode() > u'9') return 0;
        return d[0].unicode() - u'0';
    };
    auto colour = [&](qsizetype at) { return parseHexColour(field(f, at, 8)).value_or(0); };
    auto hex2 = [&](qsizetype at) { return parseHex(field(f, at, 2)).value_or(0); };

    if (const int b = digit(0); b <= 7) s.brushStyle = b;
    s.brushColour = colour(1);
    if (const int p = digit(9); p <= 6) s.penStyle = p;
    s.penWidth = hex2(10);
    s.penColour = colour(12);
    s.fontColour = colour(20);
    s.fontSize = hex2(28);
    if (const int fs = digit(30); fs <= 4) s.fontStyle = fs;
    // Most records name a face already in use: no new string for it.
    const QStringView name = f.size() > 31 ? f.mid(31) : QStringView();
    if (name.isEmpty())
        s.fontName = QString();
    else if (s.fontName != name)
        s.fontName = name.toString();
}

namespace {

// Where each numeric sub-field stands in a style field, and how wide it is; the font name
// follows them.
struct Span {
    int at, width;
};
constexpr std::array<Span, 8> kSpans{
    {{0, 1}, {1, 8}, {9, 1}, {10, 2}, {12, 8}, {20, 8}, {28, 2}, {30, 1}}};
constexpr int kNameAt = 31;

QString formattedField(const Style& s, StyleField f) {
    switch (f) {
    case StyleField::BrushColour:
    case StyleField::PenColour:
    case StyleField::FontColour:
        return hexColour(Colour(styleValue(s, f)));
    case StyleField::PenWidth:
    case StyleField::FontSize:
        return hexField(styleValue(s, f), 2);
    default:
        return QString::number(styleValue(s, f));
    }
}

} // namespace

qint64 styleValue(const Style& s, StyleField field) {
    switch (field) {
    case StyleField::BrushStyle:
        return s.brushStyle;
    case StyleField::BrushColour:
        return s.brushColour;
    case StyleField::PenStyle:
        return s.penStyle;
    case StyleField::PenWidth:
        return s.penWidth;
    case StyleField::PenColour:
        return s.penColour;
    case StyleField::FontColour:
        return s.fontColour;
    case StyleField::FontSize:
        return s.fontSize;
    default:
        return s.fontStyle;
    }
}

QString patchedStyle(QStringView stored, const Style& loaded, const Style& next, unsigned changed) {
    QString style;
    for (int f = 0; f < int(kSpans.size()); ++f) {
        const Span span = kSpans[std::size_t(f)];
        if (changed & (1u << f))
            style += formattedField(next, StyleField(f));
        else if (stored.size() >= span.at + span.width)
            style += stored.mid(span.at, span.width);
        else
            style += formattedField(loaded, StyleField(f));
    }
    if (changed & (1u << int(StyleField::FontName)))
        style += next.fontName;
    else if (stored.size() > kNameAt)
        style += stored.mid(kNameAt);
    return style;
}

int fontStyleCode(bool bold, bool italic, bool underline, bool strikeOut) {
    if (int(bold) + int(italic) + int(underline) + int(strikeOut) != 1) return 0;
    return bold ? 1 : italic ? 2 : underline ? 3 : 4;
}

PixelBlock decodePixelBlock(QStringView payload) {
    PixelBlock block;
    const int width = parseHex(field(payload, 0, 3)).value_or(0);
    const auto h = parseHex(field(payload, 3, 3));
    const int height = width > 0 ? h.value_or(0) : 0;
    if (width <= 0 || height <= 0) return block;
    block.declared = QSize(width, height);

    const qsizetype digits = std::max<qsizetype>(0, payload.size() - 6);
    const qsizetype chunks = (digits + 5) / 6; // a short last chunk still takes a place
    const int columns = int(std::min<qsizetype>(width, (chunks + height - 1) / height));
    if (columns <= 0) return block;
    QImage picture(columns, height, QImage::Format_RGB32);
    if (picture.isNull()) return block;
    picture.fill(Qt::white);

    const QChar* p = payload.data() + 6;
    const QChar* end = payload.data() + payload.size();
    for (int x = 0; x < columns && p < end; ++x) {
        for (int y = 0; y < height; ++y) {
            if (p >= end) break; // the data ran out: this column and every later one stay white
            const qsizetype n = std::min<qsizetype>(6, end - p);
            quint32 v = 0;
            bool ok = n == 6;
            for (qsizetype i = 0; i < n && ok; ++i) {
                const int d = hexDigit(p[i]);
                ok = d >= 0;
                v = (v << 4) | quint32(d);
            }
            p += n;
            if (!ok) continue; // a bad pixel is left unset
            const QRgb rgb = qRgb(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
            reinterpret_cast<QRgb*>(picture.scanLine(y))[x] = rgb;
        }
    }
    block.supplied = std::move(picture);
    return block;
}

QImage decodePixels(QStringView payload) {
    const PixelBlock block = decodePixelBlock(payload);
    if (block.declared.isEmpty()) return {};
    if (block.supplied.width() == block.declared.width()) return block.supplied;
    QImage picture(block.declared, QImage::Format_RGB32);
    if (picture.isNull()) return {};
    picture.fill(Qt::white);
    for (int y = 0; y < block.supplied.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(block.supplied.constScanLine(y)),
                    block.supplied.width(), reinterpret_cast<QRgb*>(picture.scanLine(y)));
    return picture;
}

QString encodePixels(const QImage& source) {
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width();
    const int h = picture.height();
    QString out;
    out.reserve(6 + qsizetype(w) * h * 6);
    out += hexField(w, 3);
    out += hexField(h, 3);
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            const QRgb c = reinterpret_cast<const QRgb*>(picture.constScanLine(y))[x];
            const quint32 v =
                quint32(qRed(c)) | (quint32(qGreen(c)) << 8) | (quint32(qBlue(c)) << 16);
            for (int shift = 20; shift >= 0; shift -= 4)
                out += QChar(digits[(v >> shift) & 0xF]);
        }
    }
    return out;
}

void setFontOf(const Style& s, FontState& f) {
    // The face name is shared between painting threads: assigning it only when it differs
    // keeps them from fighting over its reference count.
    if (f.name != s.fontName) f.name = s.fontName;
    f.size = s.fontSize;
    f.colour = s.fontColour;
    f.bold = s.fontStyle == 1;
    f.italic = s.fontStyle == 2;
    f.underline = s.fontStyle == 3;
    f.strikeOut = s.fontStyle == 4;
}

FontState fontOf(const Style& s) {
    FontState f;
    setFontOf(s, f);
    return f;
}

Style recordStyleOf(const DrawingStyle& d) {
    Style s;
    s.brushStyle = d.brush.style;
    s.brushColour = d.brush.colour;
    s.penStyle = d.pen.style;
    s.penWidth = d.pen.width;
    s.penColour = d.pen.colour;
    s.fontColour = d.font.colour;
    s.fontSize = d.font.size;
    s.fontStyle = fontStyleCode(d.font.bold, d.font.italic, d.font.underline, d.font.strikeOut);
    s.fontName = d.font.name;
    return s;
}

QString styleFieldOf(const DrawingStyle& style) {
    return formatStyle(recordStyleOf(style));
}

int Verifie(QStringList& list) {
    if (list.size() < 3) return 0;
    // One pass that moves the kept items down: removing each bad item where it stands would
    // shift the rest of the list every time.
    const auto invalid = [](const QString& item) { return !hasStyleTab(item); };
    const auto kept = std::remove_if(list.begin() + 2, list.end(), invalid);
    const int dropped = int(list.end() - kept);
    list.erase(kept, list.end());
    return dropped;
}

} // namespace qel
