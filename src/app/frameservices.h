#pragma once

#include "document/drawingattributes.h"
#include "document/recordkind.h"

#include <QString>
#include <QStringList>

namespace qel {

class RecoveryStore;

// What a drawing window needs from the frame that holds it. Tests give a window a fake.
class FrameServices {
public:
    virtual ~FrameServices() = default;
    // The palette's current style and tool: a pure reading, as often as a window likes.
    virtual DrawingStyle currentStyle() const = 0;
    virtual Tool currentTool() const = 0;
    // Status bar panels: 0 hint and position, 1 shape size, 2 time.
    virtual void setStatusText(int panel, const QString& text) = 0;
    // The pen width spin box follows the window's pen width when the tool changes.
    virtual void showPenWidth(int width) = 0;
    // The font names offered by the frame (for dialogs that choose a font).
    virtual QStringList fontNames() const { return {}; }
    // Where drawing windows keep their recovery copies; none unless the program set one up.
    virtual RecoveryStore* recoveryStore() { return nullptr; }
};

} // namespace qel
