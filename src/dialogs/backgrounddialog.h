#pragma once

#include "render/statecanvas.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qel {

// TFond, "Fond de page": none, a plain colour, a pattern or a gradient for the page, with a
// preview painted as the drawing window paints it.
class TFond : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kPreviewSize{105, 145};

    explicit TFond(QWidget* parent = nullptr);

    // The current background record: its option is checked and it is shown in the preview.
    void Init(const QString& record);
    // The background record when confirmed, otherwise empty.
    void Result(QString& out) const;

    // 0 none, 1 colour, 2 pattern, 3 gradient dark to light, 4 light to dark.
    int kind() const { return kind_; }
    const QImage& preview() const { return shown_; }

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* Aucun = nullptr;
    QRadioButton* Couleur = nullptr;
    QRadioButton* Motif = nullptr;
    QRadioButton* Degrade = nullptr;
    QRadioButton* Texture = nullptr; // kept hidden: it has no action
    QLabel* PaintBox1 = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void optionClicked(int option);
    bool chooseColour();
    bool choosePattern();
    bool chooseGradient();
    void checkKind();
    void buildRecord();
    void paintPreview();

    StateCanvas preview_; // the pen, brush and font the record is built from
    QString current_;
    int kind_ = 0;
    QImage shown_;
};

// "&Fond de page...": the new background record, or nothing when the dialog was cancelled or
// the background did not change. Tests drive the dialog through ScopedModalHook<TFond>, and its
// sub-dialogs through ScopedModalHook<TMotif> and ScopedModalHook<TCouleur> (platform/modalhook.h).
std::optional<QString> chooseBackground(QWidget* parent, const QString& currentRecord);

} // namespace qel
