// Windows metafile records through libUEMF, behind a placeable header whose box is the picture
// size at 96 units per inch. Coordinates are 16-bit: anything beyond is clamped.
#include "metafile/metafile_writer.h"

#include <uwmf.h>

#include <cstdlib>
#include <optional>

namespace qel {

namespace {

U_COLORREF cref(Colour c) {
    return colorref3_set(redOf(c), greenOf(c), blueOf(c));
}
std::int16_t c16(int v) {
    return std::int16_t(std::clamp(v, -32768, 32767));
}
U_POINT16 pt(QPoint p) {
    return point16_set(c16(p.x()), c16(p.y()));
}
U_POINT16 pt(int x, int y) {
    return point16_set(c16(x), c16(y));
}

U_RECT16 rectOf(const QRect& box) {
    return U_RECT16_set(pt(box.left(), box.top()), pt(box.right(), box.bottom()));
}

// Windows-1252 for text records; a character the code page lacks becomes "?".
QByteArray cp1252(const QString& text) {
    static const char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        char b = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = char(u);
        } else {
            for (int i = 0; i < 32; ++i)
                if (high[i] && high[i] == u) b = char(0x80 + i);
        }
        out.append(b);
    }
    return out;
}

class WmfWriter final : public MetafileWriter {
public:
    explicit WmfWriter(QSize size) {
        wmf_htable_create(128, 128, &handles_);
        const int w = std::max(1, size.width()), h = std::max(1, size.height());
        U_PAIRF inches{float(w / 96.0), float(h / 96.0)};
        char* header = U_WMRHEADER_set(&inches, 96);
        if (header) {
            data_.append(header, 22 + 18); // placeable header, then the standard one
            std::free(header);
        }
        append(U_WMRSETWINDOWORG_set(pt(0, 0)));
        append(U_WMRSETWINDOWEXT_set(pt(w, h)));
        append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
        append(U_WMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT));
        append(U_WMRSETBKMODE_set(U_TRANSPARENT));
    }

    ~WmfWriter() override { wmf_htable_free(&handles_); }

    void usePen(const PenState& p) override {
        if (p.mode != mode_) {
            mode_ = p.mode;
            append(U_WMRSETROP2_set(mode_ == PenMode::NotXor ? U_R2_NOTXORPEN : U_R2_COPYPEN));
        }
        if (pen_ && pen_->colour == p.colour && pen_->width == p.width && pen_->style == p.style)
            return;
        pen_ = p;
        const U_PEN up = U_PEN_set(std::uint16_t(gdiPenStyle(p.style)),
                                   std::uint16_t(std::clamp(p.width, 0, 32767)), cref(p.colour));
        uint32_t ih = 0;
        append(wcreatepenindirect_set(&ih, handles_, up));
        replace(penHandle_, ih);
    }

    void useBrush(const BrushState& b) override {
        if (brush_ && brush_->colour == b.colour && brush_->style == b.style) return;
        brush_ = b;
        U_WLOGBRUSH lb;
        if (b.style == 1)
            lb = U_WLOGBRUSH_set(U_BS_NULL, cref(b.colour), 0);
        else if (b.style >= 2 && b.style <= 7)
            lb = U_WLOGBRUSH_set(U_BS_HATCHED, cref(b.colour), std::uint16_t(b.style - 2));
        else
            lb = U_WLOGBRUSH_set(U_BS_SOLID, cref(b.colour), 0);
        uint32_t ih = 0;
        append(wcreatebrushindirect_set(&ih, handles_, lb));
        replace(brushHandle_, ih);
    }

    void useFont(const FontState& f) override {
        if (!font_ || font_->colour != f.colour) append(U_WMRSETTEXTCOLOR_set(cref(f.colour)));
        if (font_ && font_->name == f.name && font_->size == f.size && font_->bold == f.bold &&
            font_->italic == f.italic && font_->underline == f.underline &&
            font_->strikeOut == f.strikeOut) {
            font_ = f;
            return;
        }
        font_ = f;
        QByteArray face = cp1252(f.name.left(31));
        U_FONT* uf = U_FONT_set(c16(-int(std::lrint(f.size * 96.0 / 72.0))), 0, 0, 0,
                                f.bold ? U_FW_BOLD : U_FW_NORMAL, f.italic, f.underline,
                                f.strikeOut, U_ANSI_CHARSET, 0, 0, 0, 0, face.data());
        if (!uf) return;
        uint32_t ih = 0;
        append(wcreatefontindirect_set(&ih, handles_, uf));
        std::free(uf);
        replace(fontHandle_, ih);
    }

    void useTextBackground(bool opaque, Colour colour) override {
        if (opaque != opaque_) {
            opaque_ = opaque;
            append(U_WMRSETBKMODE_set(opaque ? U_OPAQUE : U_TRANSPARENT));
        }
        if (opaque && colour != bkColour_) {
            bkColour_ = colour;
            append(U_WMRSETBKCOLOR_set(cref(colour)));
        }
    }

    void line(QPoint from, QPoint to) override {
        append(U_WMRMOVETO_set(pt(from)));
        append(U_WMRLINETO_set(pt(to)));
    }

    void poly(const QPoint* points, int count, bool closed) override {
        count = std::min(count, 8000); // a record holds at most 32767 words
        std::vector<U_POINT16> pts(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            pts[std::size_t(i)] = pt(points[i]);
        append(closed ? U_WMRPOLYGON_set(std::uint16_t(count), pts.data())
                      : U_WMRPOLYLINE_set(std::uint16_t(count), pts.data()));
    }

    void rectangle(const QRect& box) override { append(U_WMRRECTANGLE_set(rectOf(box))); }
    void ellipse(const QRect& box) override { append(U_WMRELLIPSE_set(rectOf(box))); }

    void roundRect(const QRect& box, int cornerWidth, int cornerHeight) override {
        append(U_WMRROUNDRECT_set(c16(cornerWidth), c16(cornerHeight), rectOf(box)));
    }

    void arc(ArcKind kind, const QRect& box, QPoint start, QPoint end) override {
        append(kind == ArcKind::Arc ? U_WMRARC_set(pt(start), pt(end), rectOf(box))
                                    : U_WMRCHORD_set(pt(start), pt(end), rectOf(box)));
    }

    void text(QPoint at, const QString& text, const std::vector<int>&) override {
        QByteArray bytes = cp1252(text.left(8000));
        append(U_WMRTEXTOUT_set(pt(at), bytes.data()));
    }

    void pixel(QPoint at, Colour colour) override {
        append(U_WMRSETPIXEL_set(cref(colour), pt(at)));
    }

    void picture(const QRect& box, const QImage& picture) override {
        const Dib24 dib = makeDib24(picture);
        const U_BITMAPINFOHEADER bmih =
            bitmapinfoheader_set(picture.width(), picture.height(), 1, 24, U_BI_RGB,
                                 std::uint32_t(dib.pixels.size()), 3780, 3780, 0, 0);
        PU_BITMAPINFO bmi = bitmapinfo_set(bmih, nullptr);
        if (!bmi) return;
        append(U_WMRSTRETCHDIB_set(
            pt(box.topLeft()), pt(box.right() - box.left(), box.bottom() - box.top()), pt(0, 0),
            pt(picture.width(), picture.height()), U_DIB_RGB_COLORS, U_SRCCOPY, bmi,
            std::uint32_t(dib.pixels.size()), dib.pixels.constData()));
        std::free(bmi);
    }

    void whiteness(const QRect& box) override {
        append(U_WMRPATBLT_set(pt(box.topLeft()),
                               pt(box.right() - box.left(), box.bottom() - box.top()),
                               U_WHITENESS));
    }

    QByteArray finish() override {
        if (finished_) return data_;
        for (std::optional<uint32_t>* h : {&penHandle_, &brushHandle_, &fontHandle_}) {
            if (*h) {
                uint32_t ih = **h;
                append(wdeleteobject_set(&ih, handles_));
                h->reset();
            }
        }
        append(U_WMREOF_set());
        // Header totals, known only now: size in words, objects, largest record.
        auto put16 = [this](int offset, std::uint32_t v) {
            data_[offset] = char(v & 0xFF);
            data_[offset + 1] = char((v >> 8) & 0xFF);
        };
        const std::uint32_t words = std::uint32_t((data_.size() - 22) / 2);
        put16(22 + 6, words & 0xFFFF);
        put16(22 + 8, words >> 16);
        put16(22 + 10, handles_->peak);
        put16(22 + 12, largest_ & 0xFFFF);
        put16(22 + 14, largest_ >> 16);
        finished_ = true;
        return data_;
    }

private:
    void append(char* record) {
        if (!record) return;
        if (!finished_) {
            // libUEMF answers the record size in bytes.
            const std::uint32_t bytes = U_wmr_size(reinterpret_cast<const U_METARECORD*>(record));
            const std::uint32_t words = bytes / 2;
            data_.append(record, qsizetype(bytes));
            largest_ = std::max(largest_, words);
        }
        std::free(record);
    }

    // Selects the new object, then deletes the one it replaces so no handle is left behind.
    // Handles here start at 0, so "none" needs its own state.
    void replace(std::optional<uint32_t>& current, uint32_t fresh) {
        append(wselectobject_set(fresh, handles_));
        if (current) {
            uint32_t old = *current;
            append(wdeleteobject_set(&old, handles_));
        }
        current = fresh;
    }

    QByteArray data_;
    std::uint32_t largest_ = 0;
    bool finished_ = false;
    WMFHANDLES* handles_ = nullptr;
    std::optional<uint32_t> penHandle_, brushHandle_, fontHandle_;
    std::optional<PenState> pen_;
    std::optional<BrushState> brush_;
    std::optional<FontState> font_;
    PenMode mode_ = PenMode::Copy;
    bool opaque_ = false;
    Colour bkColour_ = 0xFFFFFFFFu;
};

} // namespace

std::unique_ptr<MetafileWriter> makeWmfWriter(QSize size) {
    return std::make_unique<WmfWriter>(size);
}

} // namespace qel
