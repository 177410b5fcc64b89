#pragma once

#include "app/frameservices.h"
#include "document/drawingattributes.h"
#include "edit/selectiondrag.h"
#include "edit/tool.h"
#include "platform/recoverystore.h"
#include "render/pagemapping.h"
#include "transform/zoom.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>

class QKeyEvent;
class QScrollArea;

namespace qel {

class Canvas;
class Drawing;
class DrawingSurface;
class ShownPage;
class HitIndex;
class RecoveryCopy;
struct DrawingChange;

// The drawing window: a view of one drawing (its surface, scroll area and caption) that turns
// pointer events into tool steps and menu commands into operations on the drawing. The drawing
// itself, its undo history and its modified flag live in the Drawing it owns. Operations keep
// the names the rest of the program knows them by; they are split by aspect over mdichild*.cpp.
class TMDIChild : public QWidget, private ToolHost {
    Q_OBJECT

public:
    // The design client size of a new drawing window, which is also a new drawing's page.
    static constexpr int kNewPageWidth = 374;
    static constexpr int kNewPageHeight = 253;

    explicit TMDIChild(FrameServices* frame, QWidget* parent = nullptr);
    ~TMDIChild() override;

    // ---- lifecycle and style (mdichild.cpp) ----
    void SetIni(Tool tool, int penWidth, int penStyle, Colour penColour, Colour fillColour,
                int brushStyle);
    void SetPage(int left, int top, int right, int bottom, int enlargement);
    void RestoreStyles();
    void RedimForm();
    void PenSize(int width);
    void SetColors(Colour penColour, Colour fillColour);
    void SetPenStyle(int style);
    void SetBrush(int style);
    void SetFrame(Tool tool);
    void SetText();
    void SetFontName(const QString& name);
    void SetFontSize(int points);
    void SetStyle1(QChar c); // bold: "-" removes, anything else adds
    void SetStyle2(QChar c); // italic
    void SetStyle3(QChar c); // underline
    void SetGrille(bool shown);
    void Annuler();
    void Retablir();
    QString caption() const;

    // ---- files (mdichild_files.cpp) ----
    // Loads a drawing file; answers false (and has shown why) when it could not be read.
    bool Charge(const QString& path);
    // Runs the save dialog; answers whether a name was chosen.
    bool SaveAs();
    // mode 0 save, 1 save as; answers whether the drawing was written.
    bool Sauve(int mode);
    // A drawing brought back from its recovery copy: unsaved, under its own name.
    void restore(const QStringList& lines, const QString& fileName, const QString& caption);
    // The copy kept of this window's unsaved changes; null when none is kept.
    RecoveryCopy* recoveryCopy() const { return recovery_; }

    // ---- painting (mdichild_paint.cpp) ----
    // Repaints the whole page with its selection marks.
    void Dessine();
    void Redessine() { Dessine(); }
    // Brings the surface to the drawing, repainting only where the page differs from what it
    // shows.
    void repaintChanges();
    // Records that the last repaint could not draw (a coordinate that is not hexadecimal).
    int undrawableRecords() const { return undrawable_; }

    // ---- mouse (mdichild_mouse.cpp) ----
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void PaintBox1Click();
    void PaintBox1DblClick();

    // ---- selection (mdichild_selection.cpp) ----
    void ToutSel();
    void ToutDesel();
    // Clears the selection; text records that were selected are refitted to their text.
    void Deselectionne();
    bool HasSelection() const;

    // ---- editing commands (mdichild_edit.cpp) ----
    void Copier(QStringList& clipboard);
    void Couper(QStringList& clipboard);
    void Coller(const QStringList& clipboard);
    void Supprimer();
    void AvPlan();
    void ArPlan();
    void UnDessus();
    void UnDessous();
    void Grouper();
    void Separer();
    void Verrouiller();
    void Deverrouiller();
    void Effacer();
    void Recadrer();
    void Agrandir();
    void Proprietes();
    void Liste();
    void Modifier(const QStringList& fontNames);
    void Histogramme();
    void FondPage();

    // ---- transforms and view (mdichild_transform.cpp) ----
    void MiroirH();
    void MiroirV();
    void Rotation();
    void ZoomAv();
    void ZoomAr();
    void ZInit();
    void Position();
    void Taille();
    void Aligner();
    void PasdeGrille();
    double zoomFactor() const { return zoom_.factor(); }

    // ---- what the frame, the dialogs and the tests read ----
    Drawing& drawing() { return *drawing_; }
    const Drawing& drawing() const { return *drawing_; }
    const DrawingStyle& style() const { return style_; }
    Tool tool() const { return tool_->tool(); }
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& path) { fileName_ = path; }
    int gridStep() const { return gridStep_; }
    bool gridShown() const { return gridShown_; }
    const PageSettings& pageSettings() const { return pageSettings_; }
    DrawingSurface* surface() const { return surface_; }
    const QImage& surfaceImage() const;

signals:
    // The caption changed (new name after a save or a load).
    void captionChanged(const QString& caption);
    // The drawing was written under this name.
    void saved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override; // mdichild_drop.cpp
    void dropEvent(QDropEvent* event) override;

private:
    // ToolHost
    Canvas& surfaceCanvas() override;
    QSize surfaceSize() const override;
    const DrawingStyle& currentStyle() const override { return style_; }
    void surfaceDrawn(const QRect& reach) override;
    void repaintDrawing() override { Dessine(); }
    void shapeMeasured(QPoint start, QPoint end) override;
    std::optional<QString> askText() override;
    std::optional<InsertedPicture> askPicture() override;
    void showWarning(const QString& text) override;

    void FormCreate();
    void drawingChanged(const DrawingChange& change);
    void switchTool(Tool tool);
    void fitSurface();
    bool FormCloseQuery();
    void setCaption(const QString& caption);
    void showSizeDisplay();
    RecoveryData recoveryData() const;
    void pointerClick();
    // Shows "Aucun objet sélectionné" when nothing is selected.
    bool requireSelection();
    void pasteRecords(const QStringList& records);
    void pastePicture(const QImage& image);
    void pasteText(const QString& text);
    QPoint pastePoint() const;
    void selectLast();
    void watchKeys();
    bool keyPressed(QKeyEvent* key);
    void turn(int how);
    friend class RepaintOnce;
    void paintSurface(bool whole);
    QSize measureText(const FontState& font, const QString& text);
    TextMeasure textMeasure();

    FrameServices* frame_;
    Drawing* drawing_ = nullptr; // a child QObject
    DrawingSurface* surface_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    std::unique_ptr<ShownPage> shown_;
    std::unique_ptr<HitIndex> hits_; // the boxes of the drawing's records, for clicks
    std::unique_ptr<MouseTool> tool_;
    DrawingStyle style_;
    QString fileName_;
    int gridStep_ = 8;
    bool gridShown_ = true;
    PageSettings pageSettings_;
    Zoom zoom_;
    RecoveryCopy* recovery_ = nullptr; // a child QObject
    bool nudging_ = false;             // arrow keys are moving the selection
    int undrawable_ = 0;
    bool repainting_ = false;
    SelectionDrag selectionDrag_;
    bool pressWithCtrl_ = false;
    int repaintBatch_ = 0; // changes inside a batch repaint once, when it ends
    bool repaintPending_ = false;
    QPoint pressPoint_;
};

} // namespace qel
