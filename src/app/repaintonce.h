#pragma once

#include "app/mdichild.h"

namespace qel {

// Changes made while one of these lives repaint the window once, when the last one ends.
class RepaintOnce {
public:
    explicit RepaintOnce(TMDIChild& window) : window_(window) { ++window_.repaintBatch_; }
    ~RepaintOnce() {
        if (--window_.repaintBatch_ == 0 && window_.repaintPending_) {
            window_.repaintPending_ = false;
            window_.repaintChanges();
        }
    }
    RepaintOnce(const RepaintOnce&) = delete;
    RepaintOnce& operator=(const RepaintOnce&) = delete;

private:
    TMDIChild& window_;
};

} // namespace qel
