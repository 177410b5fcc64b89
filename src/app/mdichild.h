#pragma once

#include "document/framestyles.h"
#include "document/record.h"
#include "document/shapewriter.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class QScrollArea;

namespace qel {

class Canvas;
class DrawingSurface;
class PictureCache;

// The drawing window: one drawing, its undo copy, its surface and the interaction under way.
// Operations keep the names the rest of the program knows them by; they are split by aspect
// over mdichild*.cpp files.
class TMDIChild : public QWidget {
    Q_OBJECT

public:
    // The design client size of a new drawing window, which is also a new drawing's page.
    static constexpr int kNewPageWidth = 374;
    static constexpr int kNewPageHeight = 253;

    explicit TMDIChild(FrameServices* frame, QWidget* parent = nullptr);
    ~TMDIChild() override;

    // ---- lifecycle and style (mdichild.cpp) ----
    void SetIni(int toolIndex, int penWidth, int penStyle, Colour penColour, Colour fillColour,
                int brushStyle);
    void SetPage(int left, int top, int right, int bottom, int enlargement);
    void RestoreStyles();
    void RedimForm();
    void PenSize(int width);
    void SetColors(Colour penColour, Colour fillColour);
    void SetPenStyle(int style);
    void SetBrush(int style);
    void SetFrame(int toolCode);
    void SetText();
    void SetFontName(const QString& name);
    void SetFontSize(int points);
    void SetStyle1(QChar c); // bold: "-" removes, anything else adds
    void SetStyle2(QChar c); // italic
    void SetStyle3(QChar c); // underline
    void SetGrille(bool shown);
    void Annuler();
    // The undo copy is taken and the drawing marked modified by every command that changes it.
    void takeUndoCopy();
    void markModified() { Modified = true; }
    // The style field of the canvas's current brush, pen and font.
    QString GetStyles() const;
    QString caption() const;

    // ---- files (mdichild_files.cpp) ----
    // Loads a drawing file; answers false (and has shown why) when it could not be read.
    bool Charge(const QString& path);
    // Runs the save dialog; answers whether a name was chosen.
    bool SaveAs();
    // mode 0 save, 1 save as; answers whether the drawing was written.
    bool Sauve(int mode);

    // ---- painting (mdichild_paint.cpp) ----
    void Dessine();
    void Efface();
    void Redessine() { Dessine(); }
    void DrawShape(QPoint p1, QPoint p2, int penMode);
    // Records that the last repaint could not draw (a coordinate that is not hexadecimal).
    int undrawableRecords() const { return undrawable_; }

    // ---- mouse tools (mdichild_mouse.cpp) ----
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void PaintBox1Click();
    void PaintBox1DblClick();
    void EcritForme();
    void Dimensions(int x1, int y1, int x2, int y2);

    Canvas& canvas();
    const QImage& surfaceImage() const;
    DrawingSurface* PaintBox1 = nullptr;

    // ---- the drawing ----
    QStringList ShapeList;
    QStringList UndoList;
    QImage PictureBitmap;
    QString FileName;
    bool Modified = false;

    // ---- current tool and style copies ----
    int ToolCode = ToolLine;
    int BrushStyle = 1;
    int PenStyle = 0;
    int PenWidth = 1;
    Colour PenColor = kBlack;
    Colour BrushColor = kWhite;
    QString FontName = QStringLiteral("Arial");
    int FontSize = 12;

    // ---- page and view ----
    int PageWidth = kNewPageWidth;
    int PageHeight = kNewPageHeight;
    double ZoomFactor = 1.0;
    double ScaleStep = 1.0;
    int GridStep = 8;
    bool GridShown = true;
    int PageMargins[4] = {20, 20, 20, 20};
    int Enlargement = 200;

    // ---- interaction ----
    int StartX = 0, StartY = 0, EndX = 0, EndY = 0;
    Box DecodedRect;
    PointBuffer Points;
    int& LastPoint = Points.last;
    QString ShapeText;
    int PictureKind = 0;
    QString PictureFileName;
    bool ConcaveArc = false;
    bool Drawing = false;
    bool MultiClick = false;
    bool HasSelection = false;
    bool MovingSelection = false;
    Box SelectionRect;
    Box DrawingExtent;
    QSize LargestExtent{0, 0};
    int StartFontSize = 0;

    FrameServices* frame() const { return frame_; }

signals:
    // The caption changed (new name after a save or a load).
    void captionChanged(const QString& caption);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void resizeSurface(int width, int height);
    bool FormCloseQuery();
    void setCaption(const QString& caption);

    FrameServices* frame_;
    QScrollArea* scroll_ = nullptr;
    std::unique_ptr<PictureCache> pictures_;
    int undrawable_ = 0;
    bool repainting_ = false; // the size display is written once per repaint, not per record
};

} // namespace qel
