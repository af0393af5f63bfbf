// SPDX-License-Identifier: MIT
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace ui {

// Centres a window's client area on `area`, in screen coordinates. Placed explicitly, so that
// it does not depend on the frame size the window system reports, or fails to.
inline void CentreIn(QWidget* window, const QRect& area) {
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), area));
}

inline void CentreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        CentreIn(window, screen->availableGeometry());
}

} // namespace ui
