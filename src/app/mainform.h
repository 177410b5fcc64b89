#pragma once

#include "app/frameservices.h"
#include "platform/recoverystore.h"

#include <QAction>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <memory>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QSpinBox;
class QTimer;
class QToolButton;

namespace qel {

class ColourStrip;
class HelpEngine;
class TMDIChild;
class ToolPalette;

// The frame: menus, upper toolbar, tool palette, colour strip, status bar and the drawing
// windows. Document commands only forward to the active drawing window.
class TMainForm : public QMainWindow, public FrameServices {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- frame state ----
    Tool CurrentTool = Tool::Pointer;
    int CurrentPenStyle = 0;
    int CurrentBrushStyle = 1;
    QStringList ShapeClipboard;
    int PageMargins[4] = {20, 20, 20, 20};
    int Enlargement = 200;
    QString StartDir;
    TMDIChild* LastChild = nullptr;

    // ---- FrameServices ----
    DrawingStyle currentStyle() const override;
    Tool currentTool() const override;
    void setStatusText(int panel, const QString& text) override;
    void showPenWidth(int width) override;
    QStringList fontNames() const override;
    RecoveryStore* recoveryStore() override { return recovery_; }
    void setRecoveryStore(RecoveryStore* store) { recovery_ = store; }
    // Opens a drawing from its recovery copy: as it was, under its own name, modified.
    TMDIChild* restoreDrawing(const RecoveryData& data);

    // ---- commands (mainform_commands.cpp) ----
    TMDIChild* FileNewItemClick();
    TMDIChild* FileOpenItemClick();
    // Opens a drawing file in a new window; nothing when it could not be read.
    TMDIChild* openDrawing(const QString& path);
    // ---- desktop (mainform_desktop.cpp) ----
    // A drawing just opened or saved goes first in the recent files of "&Fichier".
    void noteRecentFile(const QString& path);
    void openRecentFile(const QString& path);
    void UpdateMenuItems();
    // "&Annuler", "&Rétablir" and the undo button follow the active drawing's history.
    void updateHistoryItems();
    TMDIChild* activeChild() const;
    QList<TMDIChild*> children() const;
    QAction* action(const QString& objectName) const { return actions_.value(objectName); }
    QString statusText(int panel) const;
    QMdiArea* mdiArea() const { return mdi_; }
    ToolPalette* toolPalette() const { return palette_; }
    ColourStrip* colourStrip() const { return strip_; }

    // ---- printing (mainform_print.cpp) ----
    // The one printer that the printer setup, the preview and the print share.
    QPrinter& printer();
    void FilePrintSetupItemClick();
    // "Mise en page": the dialog with the frame's settings, which then go to the active window.
    void FilePageSetupItemClick();
    // The preview of the active drawing, exactly as it prints.
    void FilePreviewItemClick();
    // The print dialog, then the print with the copies chosen.
    void FilePrintItemClick();
    // Prints the active drawing on the printer as it is set now; answers whether it printed.
    bool printActive(int copies);

    // ---- font controls of the toolbar ----
    QComboBox* FontName = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QToolButton* BoldButton = nullptr;
    QToolButton* ItalButton = nullptr;
    QToolButton* UnderButton = nullptr;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Construction (mainform.cpp, mainform_menus.cpp)
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void buildWorkspace();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QString& hint,
                     bool documentCommand, QKeySequence shortcut = {});
    void forward(const QString& actionName, void (TMDIChild::*operation)());
    void FormShow();
    void applyFontToggles(TMDIChild* child);
    void applyToActive(const std::function<void(TMDIChild&)>& operation);

    // Commands (mainform_commands.cpp)
    void connectCommands();
    void connectEditCommands(); // mainform_edit.cpp
    void connectPrintCommands();
    TMDIChild* createChild(const QString& caption);
    void tileMinimised();
    void minimiseAll();
    void showHelp(int command, int context);
    void timerTick();
    void setUpDesktop();
    void refreshRecentFiles();

    QMdiArea* mdi_ = nullptr;
    ToolPalette* palette_ = nullptr;
    ColourStrip* strip_ = nullptr;
    QLabel* panels_[3] = {nullptr, nullptr, nullptr};
    QTimer* clock_ = nullptr;
    QHash<QString, QAction*> actions_;
    QList<QAction*> documentActions_;
    QList<QWidget*> documentControls_;
    std::unique_ptr<HelpEngine> help_;
    std::shared_ptr<QPrinter> printer_; // made on first use: looking for printers takes time
    bool shown_ = false;
    QToolButton* undoButton_ = nullptr;
    RecoveryStore* recovery_ = nullptr;
};

} // namespace qel
