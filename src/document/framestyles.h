#pragma once

#include "document/colour.h"

#include <QString>
#include <QStringList>

namespace qel {

// The current drawing style the frame's palette holds, as a drawing window asks for it.
struct FrameStyles {
    QString fontName = QStringLiteral("Arial");
    int fontSize = 12;
    int penWidth = 1;
    int toolIndex = 1;  // 1..12, the pressed tool button
    int penStyle = 0;   // 0..6
    int brushStyle = 1; // 0..7
    Colour penColour = kBlack;
    Colour fillColour = kWhite;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// What a drawing window needs from the frame that holds it. Tests give a window a fake.
class FrameServices {
public:
    virtual ~FrameServices() = default;
    // The palette's current style. The frame also re-applies its bold, italic and underline
    // buttons to the active drawing window.
    virtual FrameStyles GetStyles() = 0;
    // Status bar panels: 0 hint and position, 1 shape size, 2 time.
    virtual void setStatusText(int panel, const QString& text) = 0;
    // The pen width spin box follows the canvas pen width when the tool changes.
    virtual void showPenWidth(int width) = 0;
    // The font names offered by the frame (for dialogs that choose a font).
    virtual QStringList fontNames() const { return {}; }
};

// Tool index of a palette button to a drawing window's tool code; -1 leaves the code as it is.
// Index 9 (text) is handled by SetText.
int toolCodeForIndex(int toolIndex);

} // namespace qel
