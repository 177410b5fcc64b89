#include "app/mdichild.h"

#include "app/drawingsurface.h"
#include "app/recoverycopy.h"
#include "app/shownpage.h"
#include "dialogs/textinput.h"
#include "document/drawing.h"
#include "document/shapelist.h"
#include "edit/hitindex.h"
#include "platform/messages.h"
#include "render/canvas.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qel {

TMDIChild::TMDIChild(FrameServices* frame, QWidget* parent)
    : QWidget(parent), frame_(frame), shown_(std::make_unique<ShownPage>()),
      hits_(std::make_unique<HitIndex>()), tool_(makeTool(Tool::Line)) {
    setObjectName(QStringLiteral("MDIChild"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Sans nom"));
    setAcceptDrops(true); // pictures dropped on the window are inserted
    FormCreate();
}

TMDIChild::~TMDIChild() = default;

void TMDIChild::FormCreate() {
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setBackgroundRole(QPalette::Base);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);

    drawing_ = new Drawing(QSize(kNewPageWidth, kNewPageHeight), this);
    connect(drawing_, &Drawing::changed, this,
            [this](const DrawingChange& change) { drawingChanged(change); });

    if (RecoveryStore* store = frame_ ? frame_->recoveryStore() : nullptr) {
        static int windows = 0; // numbers this instance's copies
        recovery_ = new RecoveryCopy(
            *drawing_, store->fileFor(++windows), [this] { return recoveryData(); }, this);
    }

    surface_ = new DrawingSurface(this, kNewPageWidth, kNewPageHeight);
    surface_->setAccessibleName(QStringLiteral("Surface de dessin"));
    scroll_->setWidget(surface_);
    watchKeys();
    resize(kNewPageWidth, kNewPageHeight);
}

RecoveryData TMDIChild::recoveryData() const {
    // What a save would write: the drawing's own scale and no selection marks.
    QStringList lines = zoom_.atInitialSize(drawing_->lines());
    clearSelectionMarks(lines);
    return {caption(), fileName_, lines, QDateTime::currentDateTime()};
}

const QImage& TMDIChild::surfaceImage() const {
    return surface_->image();
}

Canvas& TMDIChild::surfaceCanvas() {
    return surface_->canvas();
}

QSize TMDIChild::surfaceSize() const {
    return surface_->size();
}

void TMDIChild::surfaceDrawn(const QRect& reach) {
    shown_->drawnOver(reach);
    surface_->update();
}

void TMDIChild::SetIni(Tool tool, int /*penWidth: the palette's value arrives by RestoreStyles*/,
                       int penStyle, Colour penColour, Colour fillColour, int brushStyle) {
    fileName_.clear();
    gridStep_ = 8;
    gridShown_ = true;
    style_.brush = {fillColour, brushStyle};
    style_.pen.colour = penColour;
    style_.pen.style = penStyle;
    switchTool(tool);
    drawing_->resetExtent();
}

void TMDIChild::SetPage(int left, int top, int right, int bottom, int enlargement) {
    pageSettings_ = {{left, top, right, bottom}, enlargement};
}

void TMDIChild::RestoreStyles() {
    if (!frame_) return;
    style_ = frame_->currentStyle();
    switchTool(frame_->currentTool());
}

void TMDIChild::switchTool(Tool tool) {
    if (tool == tool_->tool()) return;
    tool_->finish(*this);
    tool_ = makeTool(tool);
}

void TMDIChild::RedimForm() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    const QSize page = surface_->size();
    if (!sub || !area) {
        resize(page);
        return;
    }
    const QSize frameClient = area->viewport()->size();
    const QSize decoration = sub->size() - size(); // caption and borders around this widget
    const QPoint at = sub->pos();
    QSize outer = sub->size();

    if (frameClient.width() >= page.width() + at.x() + 66) {
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        outer.setWidth(page.width() + decoration.width());
    } else {
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        outer.setWidth(std::max(120, frameClient.width() - at.x() - 66));
    }
    if (frameClient.height() >= page.height() + at.y() + 110) {
        scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        outer.setHeight(page.height() + decoration.height());
    } else {
        scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        outer.setHeight(std::max(90, frameClient.height() - at.y() - 90));
    }
    sub->resize(outer);
}

void TMDIChild::fitSurface() {
    const QSize wanted = drawing_->surface();
    if (wanted == surface_->size()) return;
    surface_->resizeImage(wanted.width(), wanted.height());
    RedimForm();
}

void TMDIChild::drawingChanged(const DrawingChange&) {
    // What changed is told by comparing the drawing with what the surface shows, which also
    // covers changes batched together.
    fitSurface();
    // During a drag only the selection frames move; the drawing repaints when it ends.
    if (selectionDrag_.active()) return;
    if (repaintBatch_ > 0) {
        repaintPending_ = true;
        return;
    }
    repaintChanges();
}

void TMDIChild::PenSize(int width) {
    style_.pen.width = width;
}

void TMDIChild::SetColors(Colour penColour, Colour fillColour) {
    style_.pen.colour = penColour;
    style_.brush.colour = fillColour;
}

void TMDIChild::SetPenStyle(int style) {
    style_.pen.style = style;
}

void TMDIChild::SetBrush(int style) {
    style_.brush.style = style;
}

void TMDIChild::SetFrame(Tool tool) {
    tool_->finish(*this); // a polygon under way is written, as a double-click would
    if (HasSelection()) Deselectionne();
    switchTool(tool);
    surface_->setCursor(Qt::ArrowCursor);
    if (frame_) frame_->showPenWidth(style_.pen.width);
}

void TMDIChild::SetText() {
    switchTool(Tool::Text);
    surface_->setCursor(Qt::IBeamCursor);
}

void TMDIChild::SetFontName(const QString& name) {
    style_.font.name = name;
}
void TMDIChild::SetFontSize(int points) {
    style_.font.size = points;
}
void TMDIChild::SetStyle1(QChar c) {
    style_.font.bold = c != u'-';
}
void TMDIChild::SetStyle2(QChar c) {
    style_.font.italic = c != u'-';
}
void TMDIChild::SetStyle3(QChar c) {
    style_.font.underline = c != u'-';
}

void TMDIChild::SetGrille(bool shown) {
    gridShown_ = shown;
    Dessine();
}

void TMDIChild::Annuler() {
    drawing_->undo();
}

void TMDIChild::Retablir() {
    drawing_->redo();
}

void TMDIChild::shapeMeasured(QPoint start, QPoint end) {
    drawing_->noteExtent(start.x(), start.y(), end.x(), end.y());
    showSizeDisplay();
}

void TMDIChild::showSizeDisplay() {
    if (!frame_) return;
    const QSize extent = drawing_->largestExtent();
    frame_->setStatusText(1, QStringLiteral("%1 x %2").arg(extent.width()).arg(extent.height()));
}

std::optional<QString> TMDIChild::askText() {
    return askShapeText(this);
}

std::optional<InsertedPicture> TMDIChild::askPicture() {
    return choosePicture(this);
}

void TMDIChild::showWarning(const QString& text) {
    qel::showWarning(this, text);
}

QString TMDIChild::caption() const {
    return windowTitle();
}

void TMDIChild::setCaption(const QString& caption) {
    setWindowTitle(caption);
    setAccessibleName(caption);
    emit captionChanged(caption);
}

bool TMDIChild::FormCloseQuery() {
    if (!drawing_->isModified()) return true;
    const QString name = fileName_.isEmpty() ? QString() : QFileInfo(fileName_).fileName();
    switch (askYesNoCancel(this, QStringLiteral("Enregistrer modifications dans ") + name +
                                     QStringLiteral(" ?"))) {
    case MessageResult::Yes:
        // Only a save that really happened lets the window go.
        return Sauve(0);
    case MessageResult::No:
        return true;
    default:
        return false;
    }
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

} // namespace qel
