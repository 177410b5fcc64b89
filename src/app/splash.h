#pragma once

#include <QPixmap>
#include <QSplashScreen>
#include <memory>

namespace qel {

// The picture of the start window: the emblem and the program's name on a light band.
QPixmap splashPixmap();

// Creates the start window, shows it and paints it at once, before the frame exists;
// the caller destroys it once the frame is ready.
std::unique_ptr<QSplashScreen> showSplash();

} // namespace qel
