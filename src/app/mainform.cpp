#include "app/mainform.h"

#include "app/glyphs.h"
#include "app/helpengine.h"
#include "app/mdichild.h"
#include "app/toolpalette.h"
#include "platform/mnemonic.h"
#include "render/canvas.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace qel {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Qel Draw"));
    setAccessibleName(QStringLiteral("Qel Draw"));
    buildWorkspace();
    buildMenus();
    buildToolbar();
    buildStatusBar();
    connectControls();
    setUpDesktop();
    UpdateMenuItems();
}

TMainForm::~TMainForm() {
    // Drawing windows die after the frame's own parts: they must not call back into it.
    for (QMdiSubWindow* sub : mdi_->findChildren<QMdiSubWindow*>())
        disconnect(sub, nullptr, this, nullptr);
    disconnect(mdi_, nullptr, this, nullptr);
}

void TMainForm::buildWorkspace() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    palette_ = new ToolPalette(central);
    mdi_ = new QMdiArea(central);
    mdi_->setObjectName(QStringLiteral("ClientArea"));
    mdi_->setAccessibleName(QStringLiteral("Dessins"));
    mdi_->setBackground(palette().brush(QPalette::Dark));
    row->addWidget(palette_);
    row->addWidget(mdi_, 1);
    column->addLayout(row, 1);

    strip_ = new ColourStrip(central);
    column->addWidget(strip_);
    setCentralWidget(central);

    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenuItems(); });
}

void TMainForm::addFontControls(QToolBar* bar) {
    FontName = new QComboBox(bar);
    FontName->setObjectName(QStringLiteral("FontName"));
    FontName->setEditable(true);
    FontName->setMinimumWidth(160);
    FontName->setAccessibleName(QStringLiteral("Police"));
    FontName->lineEdit()->setAccessibleName(QStringLiteral("Police"));
    FontName->setToolTip(QStringLiteral("Police"));
    FontName->addItem(QStringLiteral("Arial"));
    FontName->setCurrentText(QStringLiteral("Arial"));
    bar->addWidget(FontName);

    SpinEdit2 = new QSpinBox(bar);
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit2->setRange(4, 100);
    SpinEdit2->setSingleStep(2);
    SpinEdit2->setValue(12);
    SpinEdit2->setAccessibleName(QStringLiteral("Taille de police"));
    SpinEdit2->setToolTip(QStringLiteral("Taille de police"));
    bar->addWidget(SpinEdit2);

    auto toggle = [&](const QString& name, const QString& hint, const QString& glyph) {
        QToolButton* b = toolButton(bar, name, hint, glyph);
        b->setCheckable(true);
        documentControls_ << b;
        return b;
    };
    BoldButton =
        toggle(QStringLiteral("BoldButton"), QStringLiteral("Gras"), QStringLiteral("bold"));
    ItalButton =
        toggle(QStringLiteral("ItalButton"), QStringLiteral("Italique"), QStringLiteral("italic"));
    UnderButton = toggle(QStringLiteral("UnderButton"), QStringLiteral("Souligné"),
                         QStringLiteral("underline"));
    documentControls_ << FontName << SpinEdit2;
}

void TMainForm::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setFixedHeight(23);
    bar->setSizeGripEnabled(false);
    static const char* const kNames[3] = {"Indications", "Taille", "Heure"};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        panels_[i]->setAccessibleName(QString::fromUtf8(kNames[i]));
        bar->addWidget(panels_[i], i == 2 ? 1 : 0);
    }
    panels_[1]->setFixedWidth(100);
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, [this] { timerTick(); });
    clock_->start();
    timerTick();
}

void TMainForm::timerTick() {
    setStatusText(2, QStringLiteral("    ") +
                         QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void TMainForm::setStatusText(int panel, const QString& text) {
    if (panel < 0 || panel > 2) return;
    panels_[panel]->setText(text);
    // Some hints carry a stray accelerator mark ("&Rechercher dans l'aide"): not for speech.
    panels_[panel]->setAccessibleDescription(withoutMnemonics(text));
}

QString TMainForm::statusText(int panel) const {
    return panel >= 0 && panel <= 2 ? panels_[panel]->text() : QString();
}

bool TMainForm::event(QEvent* event) {
    // Hints go to the first panel instead of covering the whole status bar.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty()) setStatusText(0, tip);
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TMainForm::FormShow() {
    // Fill the font list with the installed faces, sorted.
    // One entry per face: the same family from two foundries is listed once.
    QStringList families;
    for (QString family : QFontDatabase::families()) {
        if (const qsizetype bracket = family.indexOf(QLatin1String(" [")); bracket > 0)
            family.truncate(bracket);
        families << family;
    }
    families << QStringLiteral("Arial");
    families.removeDuplicates();
    families.sort(Qt::CaseInsensitive);
    {
        const QSignalBlocker block(FontName);
        FontName->clear();
        FontName->addItems(families);
        FontName->setCurrentText(QStringLiteral("Arial"));
    }
    CurrentTool = Tool::Pointer;
    CurrentBrushStyle = 1;
    CurrentPenStyle = 0;
    for (int& m : PageMargins)
        m = 20;
    Enlargement = 200;
    StartDir = QDir::currentPath();
    // Without a window manager maximising does nothing: take the screen's room ourselves.
    if (const QScreen* screen = this->screen()) setGeometry(screen->availableGeometry());
    showMaximized();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    panels_[0]->setFixedWidth(std::max(0, width() - 200));
}

QStringList TMainForm::fontNames() const {
    QStringList names;
    for (int i = 0; i < FontName->count(); ++i)
        names << FontName->itemText(i);
    return names;
}

void TMainForm::showPenWidth(int width) {
    palette_->showPenWidth(width);
}

DrawingStyle TMainForm::currentStyle() const {
    DrawingStyle s;
    s.pen.colour = palette_->penColour();
    s.pen.width = palette_->penWidth();
    s.pen.style = CurrentPenStyle;
    // The clear brush keeps the fill colour: the record carries it.
    s.brush = {palette_->fillColour(), CurrentBrushStyle};
    s.font.name = FontName->currentText();
    s.font.size = SpinEdit2->value();
    s.font.bold = BoldButton->isChecked();
    s.font.italic = ItalButton->isChecked();
    s.font.underline = UnderButton->isChecked();
    return s;
}

Tool TMainForm::currentTool() const {
    return CurrentTool;
}

void TMainForm::applyFontToggles(TMDIChild* child) {
    child->SetStyle1(BoldButton->isChecked() ? u'+' : u'-');
    child->SetStyle2(ItalButton->isChecked() ? u'+' : u'-');
    child->SetStyle3(UnderButton->isChecked() ? u'+' : u'-');
}

} // namespace qel
