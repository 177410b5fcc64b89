#pragma once

// The frame's commands, one row each: where it sits in the menus and on the toolbar, what it
// says, when it can be chosen and what it does. The menus, the toolbar and the enabling of both
// are built from the rows; nothing else connects a command.

#include <initializer_list>

namespace qel {

class TMainForm;
class TMDIChild;

// When a command can be chosen.
enum class Enabled {
    Always,
    WithDrawing, // a drawing window is open
    CanUndo,     // the active drawing has a step to undo
    CanRedo,     // ... or to redo
};

// What a command does: with the frame alone, or with the active drawing window (which its
// enabling guarantees). `checked` is the state of a ticked command after the click.
using FrameHandler = void (*)(TMainForm& frame, bool checked);
using WindowHandler = void (*)(TMainForm& frame, TMDIChild& window, bool checked);

// A button of the upper toolbar, at its place: tens give the group, units the place in it. The
// toolbar shows its groups in order with separators between them, and the font controls before
// the last group.
struct ToolbarButton {
    int place = 0; // 0: not on the toolbar
    const char* name = nullptr;
    const char* hint = nullptr;
    const char* glyph = nullptr;
};

struct Command {
    const char* name = ""; // the action's object name; empty for a separator
    const char* caption = "";
    const char* hint = "";
    const char* shortcut = nullptr;
    Enabled enabled = Enabled::Always;
    FrameHandler onFrame = nullptr;
    WindowHandler onWindow = nullptr;
    bool ticked = false; // a ticked command, ticked at start
    ToolbarButton button = {};
};

struct CommandMenu {
    const char* name;
    const char* caption;
    const char* hint;
    int helpContext;
    std::initializer_list<Command> commands;
};

} // namespace qel
