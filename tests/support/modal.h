// SPDX-License-Identifier: MIT
// Answers a real modal window from inside the test: `act` runs once the window is up, and the
// window is closed after it in any case.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace testing_support {

inline void WhenModalShows(std::function<void(QWidget*)> act, int attempts = 300) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    const auto poll = [timer, act = std::move(act), attempts]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (--attempts <= 0)
                timer->deleteLater();
            return;
        }
        timer->stop();
        timer->deleteLater();
        const QPointer<QWidget> shown = modal;
        act(modal);
        // A failed check returns early from `act`; never leave the test waiting on a modal.
        // (A mnemonic presses its button after a short animation, so give it that time.)
        if (shown && !QTest::qWaitFor([&] { return !shown || !shown->isVisible(); }, 1000)) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->hide();
        }
    };
    QObject::connect(timer, &QTimer::timeout, timer, poll);
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
