#pragma once

#include "edit/tool.h"

namespace qel {

// The pointer: it writes no record.
class PointerTool final : public MouseTool {
public:
    PointerTool() : MouseTool(Tool::Pointer) {}
};

} // namespace qel
