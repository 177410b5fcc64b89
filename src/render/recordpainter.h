#pragma once

// The one record painter: the drawing window's repaint, the page renderer, the preview, the
// printer and the metafile writer all paint records through it.

#include "document/record.h"
#include "render/canvas.h"
#include "render/paintoptions.h"
#include "render/recordcache.h"

#include <QRect>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace qel {

struct PageIndex;

// The style a canvas holds now, as a style field would describe it.
Style styleOfCanvas(const Canvas& canvas);
// Puts a decoded style onto the canvas. A clear brush (style 1) stays clear, so a shape drawn
// with it repaints unfilled, exactly as it looked while it was being drawn.
void applyStyle(Canvas& canvas, const Style& style);

// One painting pass over records. It remembers the last style field so that a run of records
// sharing their attributes is decoded once, which matters on a 10,000-record repaint.
class RecordPainter {
public:
    RecordPainter(Canvas& canvas, const PaintOptions& options, PaintState& state);

    // Paints one record given without its two leading characters. Answers false when the
    // record could not be drawn (a coordinate that is not hexadecimal); nothing is painted then.
    bool DessinForme(QStringView record);
    // Paints items from `from` on, skipping "BLANK"; answers how many could not be drawn.
    int paintList(const QStringList& shapeList, qsizetype from = 1);
    // The same for records read already. Given a trace, the pass notes in it where each record
    // may draw and the canvas style every PageIndex::kEvery records (see PageIndex::finish).
    bool paint(const ParsedRecord& record);
    int paintRecords(const std::vector<const ParsedRecord*>& records, PageIndex* trace = nullptr);
    // The same pass, culled to the area given to cullTo, visiting only the records that the index
    // of a traced pass over the same records says may reach it (and those a style comes from).
    // The canvas is left as the whole pass leaves it; every box is reported.
    int paintIndexed(const std::vector<const ParsedRecord*>& records, const PageIndex& index);
    // Where the record may draw, as a traced pass notes it; nothing is drawn, the style passes.
    QRect reachOf(const ParsedRecord& record);

    // Applies a style field (without arrowhead code) to the canvas.
    void SetStyles(QStringView field);

    // From now on records whose pixels all lie outside area are not drawn; the canvas, the
    // state and the size display still go through them as if they were.
    void cullTo(const QRect& area) { cull_ = area; }

private:
    void applyDecoded(const Style& style);
    // Whether a figure reaching that far is left out; a trace notes the reach.
    bool outside(const QRect& reach) {
        if (reach_) *reach_ = reach;
        return passing_ || (cull_ && !cull_->intersects(reach));
    }
    void passOver(const ParsedRecord& record);
    QRect penReach(const QRect& path, int arrow) const;
    // A record about to be painted: its kind, its box as stored and sorted, its payload and
    // arrowheads.
    struct Drawn {
        const ParsedRecord& record;
        const RecordKind& kind;
        Box r;
        Box s;
        QRect sorted;
        QStringView payload;
        int arrow;
    };
    // The painters of the shapes; those of one canvas call are written in place.
    void paintPoints(const Drawn& d);
    void paintLine(const Drawn& d);
    void paintRoundRect(const Drawn& d);
    void paintHalfEllipse(const Drawn& d);
    void paintText(const Drawn& d);
    void paintChart(const Drawn& d);
    // How far a chart at this box may paint: its pen and its labels.
    QRect chartInk(const QRect& box);
    void paintPicture(const Drawn& d);
    void arrowheads(int code, QPointF start, QPointF startDir, QPointF end, QPointF endDir);
    void arcArrowheads(int code, const Box& box, QPoint from, QPoint to);

    Canvas& canvas_;
    const PaintOptions& options_;
    PaintState& state_;
    QString lastField_; // kept by value: a caller may hand in temporary records
    bool haveField_ = false;
    std::optional<QRect> cull_;
    QRect* reach_ = nullptr; // where a traced pass notes the record's reach
    bool passing_ = false;   // records pass their style on without being drawn
    bool reporting_ = true;  // boxes go to options.reportSize as records are painted
    // Style fields decoded earlier in the pass, for those that decode the same whatever the
    // canvas held: a drawing goes back and forth between a handful of styles.
    struct DecodedStyle {
        QString field;
        size_t hash = 0;
        Style style;
    };
    std::array<DecodedStyle, 16> decoded_;
    std::size_t decodedCount_ = 0, decodedNext_ = 0;
    Style decoding_;                    // a field that depends on the canvas, decoded
    const Style* current_ = &decoding_; // the style the last field set
};

// Convenience for single records; a pass over many records should keep one RecordPainter.
bool DessinForme(Canvas& canvas, QStringView record, const PaintOptions& options,
                 PaintState& state);

} // namespace qel
