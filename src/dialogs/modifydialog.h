#pragma once

#include "document/record.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <optional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QToolButton;

namespace qel {

// TModif, "Modifier objet": the pen, fill, arrowhead and font of one record, on one of three
// pages: lines (page 0), closed shapes (page 1) and text (page 2). Only what the user changes
// is rewritten; every other character of the line comes back as it was.
class TModif : public QDialog {
    Q_OBJECT

public:
    explicit TModif(QWidget* parent = nullptr);

    // Whether the dialog has a page for the line's keyword: pictures, charts and unknown
    // keywords have none.
    static bool canModify(const QString& line);

    // The names offered by the font box; the record's own name stays shown when it is not
    // among them.
    void Initfont(const QStringList& fontNames);
    // Loads a stored line. A line the dialog has no page for opens with its controls disabled
    // and is given back unchanged.
    void Init(const QString& line);
    // After the dialog closed: empty when cancelled, otherwise the rewritten line (the same
    // line, byte for byte, when nothing was changed).
    void Result(QString& out) const;

    QStackedWidget* Notebook1 = nullptr;
    QPushButton* Button1 = nullptr; // "Annuler"
    QPushButton* Button2 = nullptr; // "OK"

    // Page 0: lines, polylines, free hand, arcs.
    QLabel* Label1 = nullptr;
    QToolButton* Panel1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QToolButton *SolidPen = nullptr, *DashPen = nullptr, *DotPen = nullptr, *DashDotPen = nullptr,
                *DashDotDotPen = nullptr, *ClearPen = nullptr;
    QToolButton *SpeedButton7 = nullptr, *SpeedButton8 = nullptr, *SpeedButton9 = nullptr,
                *SpeedButton10 = nullptr;

    // Page 1: closed shapes.
    QLabel* Label2 = nullptr;
    QToolButton* Panel2 = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
                *SpeedButton4 = nullptr, *SpeedButton5 = nullptr, *SpeedButton6 = nullptr;
    QToolButton* Panel3 = nullptr;
    QToolButton *SolidBrush = nullptr, *ClearBrush = nullptr;

    // Page 2: text.
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QSpinBox* SpinEdit3 = nullptr;
    QToolButton* Panel4 = nullptr;
    QRadioButton *Gras = nullptr, *Italique = nullptr, *Souligne = nullptr, *Aucun = nullptr;

private:
    // The sub-fields of the style field in their stored order, then the arrowhead code.
    enum Field {
        BrushStyle,
        BrushColour,
        PenStyle,
        PenWidth,
        PenColour,
        FontColour,
        FontSize,
        FontStyle,
        FontName,
        Arrow,
        FieldCount
    };

    QWidget* linePage();
    QWidget* shapePage();
    QWidget* textPage();
    QToolButton* colourPanel(QWidget* parent, const QString& name, Field field);
    QSpinBox* widthSpin(QWidget* parent);
    QButtonGroup* penStyleGroup(QWidget* parent, std::array<QToolButton*, 6>& buttons);

    void Notebook1PageChanged();
    void pickColour(QToolButton* panel, Field field);
    void change(Field field);
    bool changed(Field field) const;
    QString rewrittenLine() const;

    QString line_;
    QString arrowText_; // ">" and its digit as stored, or empty
    QString styleText_; // after the arrowhead code
    bool editable_ = false;
    bool loading_ = false;

    Style loaded_;
    Style current_;
    int loadedArrow_ = 0;
    int arrow_ = 0;
    std::bitset<FieldCount> touched_;

    QButtonGroup* linePens_ = nullptr;
    QButtonGroup* shapePens_ = nullptr;
    QButtonGroup* arrows_ = nullptr;
    QButtonGroup* brushes_ = nullptr;
    QButtonGroup* fontStyles_ = nullptr;
};

// "&Modifier..." on a record with a pen, a fill or a font: the rewritten line when the dialog
// was confirmed with a change; nothing when it was cancelled, when nothing changed, or for a
// line the dialog has no page for (which opens nothing). Tests drive the dialog through
// ScopedModalHook<TModif> (platform/modalhook.h) and answer its colour dialog through
// ScopedColourChooserHook (platform/colourchooser.h).
std::optional<QString> modifyRecord(QWidget* parent, const QString& line,
                                    const QStringList& fontNames);

} // namespace qel
