#pragma once

#include "app/commandtable.h"
#include "app/frameservices.h"
#include "platform/recoverystore.h"

#include <QAction>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QSpinBox;
class QTimer;
class QToolBar;
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
    // Enables every command and its button as its row says, for the state now: called after
    // every change of window or of drawing.
    void UpdateMenuItems();
    // Every command of the menus, in menu order.
    static std::span<const CommandMenu> commandMenus();
    // The row of a command; null for a name no row has.
    static const Command* commandNamed(const QString& name);
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
    QAction* addCommand(QMenu* menu, const Command& command);
    QToolButton* toolButton(QToolBar* bar, const QString& name, const QString& hint,
                            const QString& glyph);
    void addFontControls(QToolBar* bar);
    void FormShow();
    void applyFontToggles(TMDIChild* child);
    void applyToActive(const std::function<void(TMDIChild&)>& operation);
    void closeActiveWindow();

    // Commands (mainform_commands.cpp)
    void connectControls();
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
    struct CommandState {
        QAction* action;
        QToolButton* button; // null when the command has none
        Enabled enabled;
    };
    std::vector<CommandState> commands_;
    QList<QWidget*> documentControls_; // the font controls
    std::unique_ptr<HelpEngine> help_;
    std::shared_ptr<QPrinter> printer_; // made on first use: looking for printers takes time
    bool shown_ = false;
    RecoveryStore* recovery_ = nullptr;
};

} // namespace qel
