#include "app/mdichild.h"

#include "app/drawingsurface.h"
#include "document/shapelist.h"
#include "platform/messages.h"
#include "render/canvas.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qel {

TMDIChild::TMDIChild(FrameServices* frame, QWidget* parent)
    : QWidget(parent), frame_(frame), pictures_(std::make_unique<PictureCache>()) {
    setObjectName(QStringLiteral("MDIChild"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Sans nom"));
    FormCreate();
}

TMDIChild::~TMDIChild() = default;

void TMDIChild::FormCreate() {
    FileName.clear();
    HasSelection = false;
    ToolCode = ToolLine;

    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setBackgroundRole(QPalette::Base);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);

    PaintBox1 = new DrawingSurface(this, kNewPageWidth, kNewPageHeight);
    PaintBox1->setAccessibleName(QStringLiteral("Surface de dessin"));
    scroll_->setWidget(PaintBox1);
    canvas().setBrushStyle(1);
    canvas().setPenColour(kBlack);

    PageWidth = kNewPageWidth;
    PageHeight = kNewPageHeight;
    ShapeList = newShapeList(PageWidth, PageHeight);
    ShapeList[0] = QStringLiteral(" "); // the header is written by the initialisation
    UndoList.clear();
    resize(PageWidth, PageHeight);
}

Canvas& TMDIChild::canvas() {
    return PaintBox1->canvas();
}
const QImage& TMDIChild::surfaceImage() const {
    return PaintBox1->image();
}

void TMDIChild::SetIni(int toolIndex,
                       int /*penWidth: the palette's value arrives by RestoreStyles*/, int penStyle,
                       Colour penColour, Colour fillColour, int brushStyle) {
    FileName.clear();
    GridStep = 8;
    ZoomFactor = 1.0;
    canvas().setBrush({fillColour, brushStyle});
    canvas().setPenColour(penColour);
    BrushStyle = brushStyle;
    if (toolIndex == 9)
        SetText();
    else if (const int code = toolCodeForIndex(toolIndex); code >= 0)
        ToolCode = code;
    canvas().setPenStyle(penStyle);
    HasSelection = false;
    GridShown = true;
    LargestExtent = QSize(0, 0);
    DrawingExtent = Box{};
    SelectionRect = Box{};
    ShapeList[0] = headerLine(PageWidth, PageHeight);
}

void TMDIChild::SetPage(int left, int top, int right, int bottom, int enlargement) {
    PageMargins[0] = left;
    PageMargins[1] = top;
    PageMargins[2] = right;
    PageMargins[3] = bottom;
    Enlargement = enlargement;
}

void TMDIChild::RestoreStyles() {
    if (!frame_) return;
    const FrameStyles s = frame_->GetStyles();
    FontName = s.fontName;
    FontSize = s.fontSize;
    BrushColor = s.fillColour;
    PenColor = s.penColour;
    BrushStyle = s.brushStyle;
    PenStyle = s.penStyle;
    PenWidth = s.penWidth;

    Canvas& c = canvas();
    // Style and colour exactly as the palette holds them: a clear brush stays clear (shapes
    // drawn with it are unfilled) and still carries the fill colour into the record.
    c.setBrush({BrushColor, BrushStyle});
    c.setPenStyle(PenStyle);
    c.setPenWidth(PenWidth);
    c.setPenColour(PenColor);
    c.setFontName(FontName);
    c.setFontSize(FontSize);
    if (s.toolIndex == 9)
        ToolCode = ToolText;
    else if (const int code = toolCodeForIndex(s.toolIndex); code >= 0)
        ToolCode = code;
}

void TMDIChild::RedimForm() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    if (!sub || !area) {
        resize(PageWidth, PageHeight);
        return;
    }
    const QSize frameClient = area->viewport()->size();
    const QSize decoration = sub->size() - size(); // caption and borders around this widget
    const QPoint at = sub->pos();
    QSize outer = sub->size();

    if (frameClient.width() >= PageWidth + at.x() + 66) {
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        outer.setWidth(PageWidth + decoration.width());
    } else {
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        outer.setWidth(std::max(120, frameClient.width() - at.x() - 66));
    }
    if (frameClient.height() >= PageHeight + at.y() + 110) {
        scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        outer.setHeight(PageHeight + decoration.height());
    } else {
        scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        outer.setHeight(std::max(90, frameClient.height() - at.y() - 90));
    }
    sub->resize(outer);
}

void TMDIChild::resizeSurface(int width, int height) {
    PaintBox1->resizeImage(width, height);
    RedimForm();
}

void TMDIChild::PenSize(int width) {
    canvas().setPenWidth(width);
}

void TMDIChild::SetColors(Colour penColour, Colour fillColour) {
    canvas().setPenColour(penColour);
    canvas().setBrushColour(fillColour);
}

void TMDIChild::SetPenStyle(int style) {
    canvas().setPenStyle(style);
}

void TMDIChild::SetBrush(int style) {
    canvas().setBrushStyle(style);
    BrushStyle = style;
}

void TMDIChild::SetFrame(int toolCode) {
    if (MultiClick) PaintBox1DblClick();
    if (HasSelection) PaintBox1Click();
    ToolCode = toolCode;
    PaintBox1->setCursor(Qt::ArrowCursor);
    if (frame_) frame_->showPenWidth(canvas().pen().width);
}

void TMDIChild::SetText() {
    ToolCode = ToolText;
    PaintBox1->setCursor(Qt::IBeamCursor);
}

void TMDIChild::SetFontName(const QString& name) {
    canvas().setFontName(name);
}
void TMDIChild::SetFontSize(int points) {
    canvas().setFontSize(points);
}
void TMDIChild::SetStyle1(QChar c) {
    canvas().setBold(c != u'-');
}
void TMDIChild::SetStyle2(QChar c) {
    canvas().setItalic(c != u'-');
}
void TMDIChild::SetStyle3(QChar c) {
    canvas().setUnderline(c != u'-');
}

void TMDIChild::SetGrille(bool shown) {
    GridShown = shown;
    Dessine();
}

void TMDIChild::takeUndoCopy() {
    UndoList = ShapeList;
}

void TMDIChild::Annuler() {
    // An empty copy would leave the drawing without its header and background.
    if (UndoList.size() < 2) return;
    ShapeList = UndoList;
    Modified = true;
    Dessine();
}

QString TMDIChild::GetStyles() const {
    return formatStyle(styleOfCanvas(PaintBox1->canvas()));
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
    if (!Modified) return true;
    const QString name = FileName.isEmpty() ? QString() : QFileInfo(FileName).fileName();
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
