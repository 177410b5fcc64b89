#pragma once

// Moving and resizing one record: its box, its point list, a text's font size and a picture's
// size limit. Every value stays within the three-digit fields: a step that would take any of
// them out leaves the record as it was.

#include "document/drawingattributes.h"

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace qel {

// The size a text takes in a font, as the surface measures it.
using TextMeasure = std::function<QSize(const FontState& font, const QString& text)>;

// Handles of a box, numbered as the resize cursors are: 1 top-left, 2 top-right,
// 3 bottom-left, 4 bottom-right, 5 left, 6 right, 7 top, 8 bottom.
constexpr int kHandles = 8;

// The record moved by (dx, dy), box and points; nothing when it cannot be read or would leave
// the fields.
std::optional<QString> MoveXY(const QString& line, int dx, int dy);

// What a resize of text needs: how to measure, and the font size each text had when the press
// began (filled in as the drag goes).
struct TextResize {
    TextMeasure measure;
    int startSize = 0; // 0: not latched yet
};

// The record resized by (dx, dy) at a handle; nothing when it cannot be read, would leave the
// fields, is a point list of fewer than three points, or a picture that would grow past the
// picture size limit.
std::optional<QString> RedimXY(const QString& line, int dx, int dy, int handle,
                               TextResize* text = nullptr);

// A text record's box refitted to its text in its own font; nothing when it is no text record,
// cannot be read, or its box already fits.
std::optional<QString> Recadre(const QString& line, const TextMeasure& measure);

// The font a record's style field describes.
FontState fontOfStyle(QStringView style);

} // namespace qel
