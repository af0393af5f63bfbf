// SPDX-License-Identifier: MIT
// Answers a real modal window from inside a Qt test: `act` runs once the window is up (waiting
// at most 30 s for it), and the window is closed after it in any case.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

inline void WhenModalShows(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(qApp);
    const QDeadlineTimer deadline(30000);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        if ((!modal || !modal->isVisible()) && !deadline.hasExpired())
            return;
        timer->deleteLater();
        timer->stop();
        if (!modal)
            return;
        act(modal);
        // A failed check returns early from `act`: never leave the test waiting on the window.
        if (modal && !QTest::qWaitFor([&] { return !modal || !modal->isVisible(); }, 30000))
            modal->hide();
    });
    timer->start(10);
}

// Closes whatever modal window a failed test left behind.
inline void CloseLeftoverModals() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->hide();
        modal->deleteLater();
        QApplication::processEvents();
    }
}
