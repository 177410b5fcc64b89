#pragma once

// The print preview window, "Aperçu avant impression": the page exactly as it prints, scaled
// into a page box below a bar with the button "Fermer".

#include <QDialog>
#include <QImage>

class QPushButton;

namespace qel {

class PreviewPage;

class PrintPreview : public QDialog {
    Q_OBJECT

public:
    // `page` is the sheet painted at 96 pixels per inch, as the printer gets it.
    explicit PrintPreview(const QImage& page, QWidget* parent = nullptr);

    QPushButton* Button1 = nullptr; // "Fermer"
    // The page box, and the picture it shows now (the page scaled to the box).
    QWidget* pageBox() const;
    QImage shownPage() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormResize();

    QSize pageSize_;
    QWidget* bar_ = nullptr;
    PreviewPage* page_ = nullptr;
};

} // namespace qel
