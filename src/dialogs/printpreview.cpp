#include "dialogs/printpreview.h"

#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace qel {

namespace {

constexpr int kBarHeight = 33;
constexpr int kPageTop = 48;
constexpr int kBevel = 2;

} // namespace

// A white box with a sunken bevel showing the page scaled to its inside, rescaled once per
// resize rather than at every paint.
class PreviewPage : public QWidget {
public:
    PreviewPage(const QImage& page, QWidget* parent) : QWidget(parent), page_(page) {
        setAccessibleName(QStringLiteral("Page"));
    }

    const QImage& shown() const { return scaled_; }

protected:
    void resizeEvent(QResizeEvent*) override {
        const QSize inside = size() - QSize(2 * kBevel, 2 * kBevel);
        scaled_ = page_.isNull() || inside.isEmpty()
                      ? QImage()
                      : page_.scaled(inside, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect inside = rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
        painter.fillRect(inside, Qt::white);
        if (!scaled_.isNull()) painter.drawImage(inside.topLeft(), scaled_);
        // The sunken bevel: dark above and left, light below and right.
        for (int i = 0; i < kBevel; ++i) {
            const QRect r = rect().adjusted(i, i, -i - 1, -i - 1);
            painter.setPen(palette().color(i ? QPalette::Dark : QPalette::Shadow));
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.setPen(palette().color(i ? QPalette::Midlight : QPalette::Light));
            painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomRight());
        }
    }

private:
    QImage page_;
    QImage scaled_;
};

PrintPreview::PrintPreview(const QImage& page, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Aperçu avant impression"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    setMinimumSize(320, 240);

    bar_ = new QWidget(this);
    bar_->setAutoFillBackground(true);
    Button1 = new QPushButton(QStringLiteral("Fermer"), bar_);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    pageSize_ = page.size();
    page_ = new PreviewPage(page, this);
    resize(800, 600);
}

QWidget* PrintPreview::pageBox() const {
    return page_;
}

QImage PrintPreview::shownPage() const {
    return page_->shown();
}

void PrintPreview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void PrintPreview::FormResize() {
    const int w = width(), h = height();
    bar_->setGeometry(0, 0, w, kBarHeight);
    Button1->setGeometry(std::max(0, w - 120), (kBarHeight - 25) / 2, 75, 25);
    // The sheet keeps its proportions: as high as the window allows, narrower if it must be.
    // The bevel is added around the page, so the page inside it keeps them exactly.
    const QSize sheet = pageSize_.isEmpty() ? QSize(793, 1123) : pageSize_;
    const double aspect = double(sheet.width()) / sheet.height();
    int insideHeight = std::max(h - 100 - 2 * kBevel, 1);
    int insideWidth = std::max(int(std::nearbyint(aspect * insideHeight)), 1);
    const int widest = std::max(w - 20 - 2 * kBevel, 1);
    if (insideWidth > widest) {
        insideWidth = widest;
        insideHeight = std::max(int(std::nearbyint(insideWidth / aspect)), 1);
    }
    const int boxWidth = insideWidth + 2 * kBevel;
    page_->setGeometry((w - boxWidth) / 2, kPageTop, boxWidth, insideHeight + 2 * kBevel);
}

} // namespace qel
