// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui::qt {

// Centres a window's client area on `area`, in screen coordinates. Placed explicitly, so that
// it does not depend on the frame size the window system reports, or fails to.
inline void CentreIn(QWidget* window, const QRect& area) {
    window->setGeometry(ToQRect(CentredIn({window->width(), window->height()},
                                          {area.x(), area.y(), area.width(), area.height()})));
}

inline void CentreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        CentreIn(window, screen->availableGeometry());
}

} // namespace ui::qt
