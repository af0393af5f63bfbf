// SPDX-License-Identifier: MIT
// Answers a real modal window from inside the test: `act` runs once the window is up.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace testing_support {

inline void WhenModalShows(std::function<void(QWidget*)> act, int attempts = 300) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, act = std::move(act), attempts]() mutable {
                         QWidget* modal = QApplication::activeModalWidget();
                         if (modal && modal->isVisible()) {
                             timer->stop();
                             timer->deleteLater();
                             act(modal);
                         } else if (--attempts <= 0) {
                             timer->stop();
                             timer->deleteLater();
                         }
                     });
    timer->start();
}

// Closes whatever modal window a failed test left behind.
inline void CloseLeftoverModals() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->hide();
        modal->deleteLater();
        QApplication::processEvents();
    }
}

} // namespace testing_support
