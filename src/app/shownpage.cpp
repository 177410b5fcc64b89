#include "app/shownpage.h"

#include "edit/selectionframes.h"
#include "render/canvas.h"
#include "render/pagepainter.h"
#include "render/picturecache.h"
#include "render/recordcache.h"
#include "render/recordreach.h"
#include "render/textcache.h"

namespace qel {

ShownPage::ShownPage()
    : pictures_(std::make_unique<PictureCache>()), texts_(std::make_unique<TextCache>()),
      records_(std::make_unique<RecordCache>()) {}

ShownPage::~ShownPage() = default;

int ShownPage::paintWhole(QImage& image, Canvas& canvas, const QStringList& lines, const Look& look,
                          const SizeReport& report) {
    return paint(image, canvas, lines, look, report, nullptr);
}

int ShownPage::paintChanges(QImage& image, Canvas& canvas, const QStringList& lines,
                            const Look& look, const SizeReport& report) {
    if (!known_ || look != look_ || image.size() != size_)
        return paint(image, canvas, lines, look, report, nullptr);
    const QRect area =
        changedArea(page_, lines, PaintOptions::screen(size_, pictures_.get(), texts_.get())) |
        over_;
    if (area == kEverywhere) return paint(image, canvas, lines, look, report, nullptr);
    // The old marks go first: outside the area they would stay, inside it they are painted over.
    Affsel(canvas, marked_);
    return paint(image, canvas, lines, look, report, &area);
}

int ShownPage::paint(QImage& image, Canvas& canvas, const QStringList& lines, const Look& look,
                     const SizeReport& report, const QRect* damaged) {
    PaintOptions options =
        PaintOptions::screen(image.size(), pictures_.get(), texts_.get(), records_.get());
    options.reportSize = report;
    PagePaint what;
    what.gridStep = look.gridStep;
    what.startStyle = look.start;
    if (damaged) what.damaged = *damaged;
    DrawingStyle end = look.start;
    what.endStyle = &end;
    // An empty area still reads the records: their sizes are reported, and the count is whole.
    const int undrawable = paintPage(image, lines, options, what);
    // The canvas is left as one pass over the records leaves it, then the marks go on.
    canvas.setStyle(end);
    Affsel(canvas, lines);

    known_ = true;
    page_ = marked_ = lines;
    look_ = look;
    size_ = image.size();
    over_ = QRect();
    return undrawable;
}

} // namespace qel
