// Enhanced metafile records through libUEMF. Coordinates are device pixels of a reference
// device at 96 pixels per inch, so that one drawing pixel is one metafile unit.
#include "metafile/metafile_writer.h"

#include <uemf.h>

#include <cstdlib>
#include <cstring>

namespace qel {

namespace {

U_COLORREF cref(Colour c) {
    return colorref3_set(redOf(c), greenOf(c), blueOf(c));
}
// A reference device of exactly 96 pixels per inch.
constexpr std::int32_t kDevicePixels = 9600;
constexpr std::int32_t kDeviceMillimetres = 2540;

U_POINTL pt(QPoint p) {
    return point32_set(p.x(), p.y());
}

U_RECTL rectOf(const QRect& box) {
    return rectl_set(point32_set(box.left(), box.top()), point32_set(box.right(), box.bottom()));
}

U_RECTL boundsOf(const QPoint* points, int count) {
    int l = points[0].x(), t = points[0].y(), r = l, b = t;
    for (int i = 1; i < count; ++i) {
        l = std::min(l, points[i].x());
        r = std::max(r, points[i].x());
        t = std::min(t, points[i].y());
        b = std::max(b, points[i].y());
    }
    return rectl_set(point32_set(l, t), point32_set(r, b));
}

class EmfWriter final : public MetafileWriter {
public:
    explicit EmfWriter(QSize size) : size_(size) {
        emf_htable_create(128, 128, &handles_);
        const int w = std::max(1, size.width()), h = std::max(1, size.height());
        const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(w - 1, h - 1));
        // The frame is inclusive, in hundredths of a millimetre.
        const U_RECTL frame =
            rectl_set(point32_set(0, 0), point32_set(int(std::lrint(w * 2540.0 / 96.0)) - 1,
                                                     int(std::lrint(h * 2540.0 / 96.0)) - 1));
        append(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr,
                               sizel_set(kDevicePixels, kDevicePixels),
                               sizel_set(kDeviceMillimetres, kDeviceMillimetres), 0));
        append(U_EMRSETMAPMODE_set(U_MM_TEXT));
        append(U_EMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT));
        append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    }

    ~EmfWriter() override { emf_htable_free(&handles_); }

    void usePen(const PenState& p) override {
        if (p.mode != mode_) {
            mode_ = p.mode;
            append(U_EMRSETROP2_set(mode_ == PenMode::NotXor ? U_R2_NOTXORPEN : U_R2_COPYPEN));
        }
        if (pen_ && pen_->colour == p.colour && pen_->width == p.width && pen_->style == p.style)
            return;
        pen_ = p;
        U_POINT width{std::max(0, p.width), 0};
        const U_LOGPEN lp = logpen_set(std::uint32_t(gdiPenStyle(p.style)), width, cref(p.colour));
        uint32_t ih = 0;
        append(createpen_set(&ih, handles_, lp));
        replace(penHandle_, ih);
    }

    void useBrush(const BrushState& b) override {
        if (brush_ && brush_->colour == b.colour && brush_->style == b.style) return;
        brush_ = b;
        U_LOGBRUSH lb;
        if (b.style == 1)
            lb = logbrush_set(U_BS_NULL, cref(b.colour), 0);
        else if (b.style >= 2 && b.style <= 7)
            lb = logbrush_set(U_BS_HATCHED, cref(b.colour), b.style - 2);
        else
            lb = logbrush_set(U_BS_SOLID, cref(b.colour), 0);
        uint32_t ih = 0;
        append(createbrushindirect_set(&ih, handles_, lb));
        replace(brushHandle_, ih);
    }

    void useFont(const FontState& f) override {
        if (!font_ || font_->colour != f.colour) {
            append(U_EMRSETTEXTCOLOR_set(cref(f.colour)));
        }
        if (font_ && font_->name == f.name && font_->size == f.size && font_->bold == f.bold &&
            font_->italic == f.italic && font_->underline == f.underline &&
            font_->strikeOut == f.strikeOut) {
            font_ = f;
            return;
        }
        font_ = f;
        std::uint16_t face[32] = {};
        const QString name = f.name.left(31);
        for (qsizetype i = 0; i < name.size(); ++i)
            face[i] = name.at(i).unicode();
        const U_LOGFONT lf = logfont_set(-int(std::lrint(f.size * 96.0 / 72.0)), 0, 0, 0,
                                         f.bold ? U_FW_BOLD : U_FW_NORMAL, f.italic, f.underline,
                                         f.strikeOut, U_DEFAULT_CHARSET, 0, 0, 0, 0, face);
        uint32_t ih = 0;
        append(
            extcreatefontindirectw_set(&ih, handles_, reinterpret_cast<const char*>(&lf), nullptr));
        replace(fontHandle_, ih);
    }

    void useTextBackground(bool opaque, Colour colour) override {
        if (opaque != opaque_) {
            opaque_ = opaque;
            append(U_EMRSETBKMODE_set(opaque ? U_OPAQUE : U_TRANSPARENT));
        }
        if (opaque && colour != bkColour_) {
            bkColour_ = colour;
            append(U_EMRSETBKCOLOR_set(cref(colour)));
        }
    }

    void line(QPoint from, QPoint to) override {
        append(U_EMRMOVETOEX_set(pt(from)));
        append(U_EMRLINETO_set(pt(to)));
    }

    void poly(const QPoint* points, int count, bool closed) override {
        std::vector<U_POINTL> pts(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            pts[std::size_t(i)] = pt(points[i]);
        const U_RECTL bounds = boundsOf(points, count);
        append(closed ? U_EMRPOLYGON_set(bounds, std::uint32_t(count), pts.data())
                      : U_EMRPOLYLINE_set(bounds, std::uint32_t(count), pts.data()));
    }

    void rectangle(const QRect& box) override { append(U_EMRRECTANGLE_set(rectOf(box))); }
    void ellipse(const QRect& box) override { append(U_EMRELLIPSE_set(rectOf(box))); }

    void roundRect(const QRect& box, int cornerWidth, int cornerHeight) override {
        append(U_EMRROUNDRECT_set(rectOf(box), sizel_set(cornerWidth, cornerHeight)));
    }

    void arc(ArcKind kind, const QRect& box, QPoint start, QPoint end) override {
        append(kind == ArcKind::Arc ? U_EMRARC_set(rectOf(box), pt(start), pt(end))
                                    : U_EMRCHORD_set(rectOf(box), pt(start), pt(end)));
    }

    void text(QPoint at, const QString& text, const std::vector<int>& advances) override {
        std::vector<std::uint16_t> units(static_cast<std::size_t>(text.size()));
        std::vector<std::uint32_t> dx(static_cast<std::size_t>(text.size()));
        int width = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            units[std::size_t(i)] = text.at(i).unicode();
            dx[std::size_t(i)] = std::uint32_t(std::max(0, advances[std::size_t(i)]));
            width += advances[std::size_t(i)];
        }
        const int height = int(std::lrint(font_ ? font_->size * 96.0 / 72.0 * 1.15 : 16));
        const U_RECTL box = rectl_set(pt(at), point32_set(at.x() + width, at.y() + height));
        char* emrtext = emrtext_set(pt(at), std::uint32_t(units.size()), 2, units.data(),
                                    U_ETO_NONE, box, dx.data());
        if (!emrtext) return;
        append(U_EMREXTTEXTOUTW_set(box, U_GM_COMPATIBLE, 1.0f, 1.0f,
                                    reinterpret_cast<PU_EMRTEXT>(emrtext)));
        std::free(emrtext);
    }

    void pixel(QPoint at, Colour colour) override {
        append(U_EMRSETPIXELV_set(pt(at), cref(colour)));
    }

    void picture(const QRect& box, const QImage& picture) override {
        const Dib24 dib = makeDib24(picture);
        const U_BITMAPINFOHEADER bmih =
            bitmapinfoheader_set(picture.width(), picture.height(), 1, 24, U_BI_RGB,
                                 std::uint32_t(dib.pixels.size()), 3780, 3780, 0, 0);
        PU_BITMAPINFO bmi = bitmapinfo_set(bmih, nullptr);
        if (!bmi) return;
        QByteArray px = dib.pixels;
        append(U_EMRSTRETCHDIBITS_set(
            rectOf(box), pt(box.topLeft()),
            point32_set(box.right() - box.left(), box.bottom() - box.top()), point32_set(0, 0),
            point32_set(picture.width(), picture.height()), U_DIB_RGB_COLORS, U_SRCCOPY, bmi,
            std::uint32_t(px.size()), px.data()));
        std::free(bmi);
    }

    void whiteness(const QRect& box) override {
        append(U_EMRBITBLT_set(rectOf(box), pt(box.topLeft()),
                               point32_set(box.right() - box.left(), box.bottom() - box.top()),
                               point32_set(0, 0), xform_set(1, 0, 0, 1, 0, 0), cref(kWhite),
                               U_DIB_RGB_COLORS, U_WHITENESS, nullptr, 0, nullptr));
    }

    QByteArray finish() override {
        if (finished_) return data_;
        // Hand the stock objects back to the device before deleting ours.
        if (penHandle_) {
            append(U_EMRSELECTOBJECT_set(U_BLACK_PEN));
            append(deleteobject_set(&penHandle_, handles_));
        }
        if (brushHandle_) {
            append(U_EMRSELECTOBJECT_set(U_WHITE_BRUSH));
            append(deleteobject_set(&brushHandle_, handles_));
        }
        if (fontHandle_) {
            append(U_EMRSELECTOBJECT_set(U_DEVICE_DEFAULT_FONT));
            append(deleteobject_set(&fontHandle_, handles_));
        }
        EMFTRACK track;
        std::memset(&track, 0, sizeof track);
        append(U_EMREOF_set(0, nullptr, &track));
        // Header totals, known only now.
        auto put32 = [this](int offset, std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                data_[offset + i] = char((v >> (8 * i)) & 0xFF);
        };
        put32(48, std::uint32_t(data_.size()));
        put32(52, records_);
        const std::uint32_t nHandles = handles_->peak + 1;
        data_[56] = char(nHandles & 0xFF);
        data_[57] = char((nHandles >> 8) & 0xFF);
        finished_ = true;
        return data_;
    }

private:
    void append(char* record) {
        if (!record) return;
        if (!finished_) {
            const auto* emr = reinterpret_cast<const U_EMR*>(record);
            data_.append(record, qsizetype(emr->nSize));
            ++records_;
        }
        std::free(record);
    }

    // Selects the new object, then deletes the one it replaces so no handle is left behind.
    void replace(uint32_t& current, uint32_t fresh) {
        append(selectobject_set(fresh, handles_));
        if (current) append(deleteobject_set(&current, handles_));
        current = fresh;
    }

    QSize size_;
    QByteArray data_;
    std::uint32_t records_ = 0;
    bool finished_ = false;
    EMFHANDLES* handles_ = nullptr;
    uint32_t penHandle_ = 0, brushHandle_ = 0, fontHandle_ = 0;
    std::optional<PenState> pen_;
    std::optional<BrushState> brush_;
    std::optional<FontState> font_;
    PenMode mode_ = PenMode::Copy;
    bool opaque_ = false;
    Colour bkColour_ = 0xFFFFFFFFu;
};

} // namespace

std::unique_ptr<MetafileWriter> makeEmfWriter(QSize size) {
    return std::make_unique<EmfWriter>(size);
}

} // namespace qel
