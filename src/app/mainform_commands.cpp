// The frame's own operations (files, windows, help) and the controls that are not commands: the
// font controls and the palette.

#include "app/helpengine.h"
#include "app/mainform.h"
#include "app/mdichild.h"
#include "app/toolpalette.h"
#include "document/drawing.h"
#include "platform/filechooser.h"
#include "platform/messages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolButton>

namespace qel {

namespace {

const QString kOpenFilter = QStringLiteral("Fichiers Qel Draw (*.drf)|*.drf|Tous les fichiers|*.*");

// F1 on an open menu shows the help page of that menu.
class MenuHelpFilter : public QObject {
public:
    MenuHelpFilter(QObject* parent, std::function<void(int)> show)
        : QObject(parent), show_(std::move(show)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            show_(watched->property("helpContext").toInt());
            return true;
        }
        return false;
    }

private:
    std::function<void(int)> show_;
};

} // namespace

TMDIChild* TMainForm::activeChild() const {
    QMdiSubWindow* sub = mdi_->activeSubWindow();
    if (!sub) {
        // Without focus (headless, or while a dialog is up) the last active window counts.
        const auto list = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
        sub = list.isEmpty() ? nullptr : list.last();
    }
    return sub ? qobject_cast<TMDIChild*>(sub->widget()) : nullptr;
}

QList<TMDIChild*> TMainForm::children() const {
    QList<TMDIChild*> out;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* child = qobject_cast<TMDIChild*>(sub->widget())) out << child;
    return out;
}

void TMainForm::applyToActive(const std::function<void(TMDIChild&)>& operation) {
    if (TMDIChild* child = activeChild()) operation(*child);
}

TMDIChild* TMainForm::createChild(const QString& caption) {
    auto* child = new TMDIChild(this);
    QMdiSubWindow* sub = mdi_->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(caption);
    child->setWindowTitle(caption);
    child->setAccessibleName(caption);
    connect(child, &TMDIChild::captionChanged, sub, &QWidget::setWindowTitle);
    connect(child, &TMDIChild::saved, this, &TMainForm::noteRecentFile);
    connect(sub, &QObject::destroyed, this, [this] { UpdateMenuItems(); });
    connect(&child->drawing(), &Drawing::changed, this, [this] { UpdateMenuItems(); });
    LastChild = child;
    child->SetIni(CurrentTool, palette_->penWidth(), CurrentPenStyle, palette_->penColour(),
                  palette_->fillColour(), CurrentBrushStyle);
    child->SetPage(PageMargins[0], PageMargins[1], PageMargins[2], PageMargins[3], Enlargement);
    sub->show();
    child->RedimForm();
    child->Dessine();
    UpdateMenuItems();
    return child;
}

TMDIChild* TMainForm::restoreDrawing(const RecoveryData& data) {
    TMDIChild* child =
        createChild(data.caption.isEmpty() ? QStringLiteral("Dessin") : data.caption);
    child->restore(data.lines, data.fileName, data.caption);
    return child;
}

TMDIChild* TMainForm::FileNewItemClick() {
    // Counted before the new window exists, so a name can repeat after closing windows.
    const int number = int(mdi_->subWindowList().size()) + 1;
    return createChild(QStringLiteral("Dessin%1").arg(number));
}

TMDIChild* TMainForm::openDrawing(const QString& path) {
    TMDIChild* child = createChild(QFileInfo(path).fileName());
    if (!child->Charge(path)) {
        // Nothing was read: an empty window named after the file would only mislead.
        child->drawing().markSaved();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget())) sub->close();
        return nullptr;
    }
    noteRecentFile(path);
    return child;
}

TMDIChild* TMainForm::FileOpenItemClick() {
    const auto choice = chooseFile(
        {this, FileChooserMode::Open, QStringLiteral("Ouvrir"), kOpenFilter, StartDir, QString()});
    if (!choice) return nullptr;
    return openDrawing(choice->path);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    mdi_->closeAllSubWindows();
    if (!mdi_->subWindowList().isEmpty()) {
        event->ignore(); // a drawing window answered "Annuler"
        return;
    }
    event->accept();
}

void TMainForm::minimiseAll() {
    const auto list = mdi_->subWindowList(QMdiArea::CreationOrder);
    for (qsizetype i = list.size() - 1; i >= 0; --i)
        list[i]->showMinimized();
}

void TMainForm::tileMinimised() {
    // Minimised drawing windows line up along the bottom of the workspace.
    int x = 0;
    const int bottom = mdi_->viewport()->height();
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized()) continue;
        if (x + sub->width() > mdi_->viewport()->width() && x > 0) x = 0;
        sub->move(x, bottom - sub->height());
        x += sub->width();
    }
}

void TMainForm::showHelp(int command, int context) {
    if (!help_) help_ = std::make_unique<HelpEngine>(HelpEngine::candidatesFor(StartDir), this);
    help_->command(command, context);
}

void TMainForm::closeActiveWindow() {
    if (QMdiSubWindow* sub = mdi_->activeSubWindow())
        sub->close();
    else if (TMDIChild* child = activeChild())
        child->parentWidget()->close();
}

// The controls that are not commands: help on menus, the font controls, the palette.
void TMainForm::connectControls() {
    auto* f1 = new MenuHelpFilter(this, [this](int context) { showHelp(1, context); });
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->installEventFilter(f1);

    // Font controls act on the active drawing window at once.
    connect(FontName, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        applyToActive([&name](TMDIChild& c) {
            c.SetFontName(name);
            c.setFocus();
        });
    });
    connect(SpinEdit2, &QSpinBox::valueChanged, this, [this](int points) {
        applyToActive([points](TMDIChild& c) {
            c.SetFontSize(points);
            c.setFocus();
        });
    });
    for (QToolButton* b : {BoldButton, ItalButton, UnderButton})
        connect(b, &QToolButton::clicked, this,
                [this] { applyToActive([this](TMDIChild& c) { applyFontToggles(&c); }); });

    // The palette's choices.
    connect(palette_, &ToolPalette::toolChosen, this, [this](Tool tool) {
        applyToActive([tool](TMDIChild& c) {
            if (tool == Tool::Text)
                c.SetText();
            else
                c.SetFrame(tool);
        });
        CurrentTool = tool;
    });
    connect(palette_, &ToolPalette::penStyleChosen, this, [this](int style) {
        applyToActive([style](TMDIChild& c) { c.SetPenStyle(style); });
        CurrentPenStyle = style;
    });
    connect(palette_, &ToolPalette::brushStyleChosen, this, [this](int style) {
        applyToActive([style](TMDIChild& c) { c.SetBrush(style); });
        CurrentBrushStyle = style;
    });
    connect(palette_, &ToolPalette::penWidthChanged, this,
            [this](int width) { applyToActive([width](TMDIChild& c) { c.PenSize(width); }); });
    connect(palette_, &ToolPalette::coloursApplied, this, [this](Colour pen, Colour fill) {
        applyToActive([pen, fill](TMDIChild& c) { c.SetColors(pen, fill); });
    });
    connect(strip_, &ColourStrip::swatchClicked, this, [this](Colour colour, Qt::MouseButton b) {
        if (b == Qt::RightButton)
            palette_->setFillColour(colour);
        else
            palette_->setPenColour(colour);
        applyToActive(
            [this](TMDIChild& c) { c.SetColors(palette_->penColour(), palette_->fillColour()); });
    });
}

} // namespace qel
