// SPDX-License-Identifier: MIT
// Answers a real modal window from inside a Qt test: `act` runs once one is up (within 30 s),
// and the window is closed after it in any case, so a failed check never leaves a test waiting.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

inline void WhenModalShows(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(qApp);
    timer->setObjectName("WhenModalShows");
    QObject::connect(timer, &QTimer::timeout, timer, [=, deadline = QDeadlineTimer(30000)] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        if ((!modal || !modal->isVisible()) && !deadline.hasExpired())
            return;
        timer->deleteLater();
        timer->stop();
        if (modal)
            act(modal);
        if (modal && !QTest::qWaitFor([&] { return !modal || !modal->isVisible(); }, 30000))
            modal->hide();
    });
    timer->start(10);
}

// Closes whatever modal window a failed test left behind, and stops waiting for more.
inline void CloseLeftoverModals() {
    qDeleteAll(qApp->findChildren<QTimer*>("WhenModalShows"));
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->hide();
        QApplication::processEvents();
    }
}
