#pragma once

#include "edit/tool.h"

namespace qel {

// The pointer: it writes no record.
class PointerTool final : public Tool {
public:
    PointerTool() : Tool(ToolPointer) {}
};

} // namespace qel
