#pragma once

#include "document/record.h"
#include "render/pagemapping.h"

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace qel {

class PictureCache;
class RecordCache;
class TextCache;

// The few ways the drawing window's repaint and the page renderer paint records differently.
struct PaintOptions {
    // Size of the surface a background covers: the paint box, or the target rectangle.
    QSize surface;
    // Screen: each record is painted in copy mode (a rubber band may have left not-xor).
    bool forceCopyMode = true;
    // Screen: text never hides what lies under it; the renderer follows the record's brush.
    bool transparentText = true;
    // Screen bands are H / 50 high; the renderer's are (H - 1) / 50.
    bool bandsFromLastRow = false;
    // Screen: the text of each TEXT record is left in PaintState::ShapeText.
    bool keepShapeText = true;
    // Screen: every decoded coordinate block goes to the size display.
    std::function<void(const Box&)> reportSize;
    // Decoded pictures kept between repaints; null decodes every time.
    PictureCache* pictures = nullptr;
    // Texts laid out and rasterised, and records read, kept between repaints of a page.
    TextCache* texts = nullptr;
    RecordCache* records = nullptr;
    // Paper: every decoded box and point is placed on the sheet as it is painted. Pen widths
    // and font sizes stay as stored, so text keeps its point size on paper.
    std::optional<PageMapping> mapping;

    static PaintOptions screen(QSize surface, PictureCache* pictures = nullptr,
                               TextCache* texts = nullptr, RecordCache* records = nullptr) {
        PaintOptions o;
        o.surface = surface;
        o.pictures = pictures;
        o.texts = texts;
        o.records = records;
        return o;
    }
    static PaintOptions page(QSize surface, PictureCache* pictures = nullptr,
                             TextCache* texts = nullptr, RecordCache* records = nullptr) {
        PaintOptions o;
        o.surface = surface;
        o.texts = texts;
        o.records = records;
        o.forceCopyMode = false;
        o.transparentText = false;
        o.bandsFromLastRow = true;
        o.keepShapeText = false;
        o.pictures = pictures;
        return o;
    }
};

// What painting leaves behind for the drawing window: the last decoded box, point list and
// text, and the style the last style field set (valid while the painter lives).
struct PaintState {
    Box DecodedRect;
    PointBuffer Points;
    QString ShapeText;
    const Style* style = nullptr;
};

} // namespace qel
