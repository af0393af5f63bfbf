// SPDX-License-Identifier: MIT
// The main window shown on a recorded platform, with the look-ups GUI tests share.
#pragma once

#include "support/fake_platform_services.h"
#include "ui/main/form1.h"

#include <QTest>

#include <memory>

namespace testing_support {

struct MainWindow {
    FakePlatformServices services;
    std::unique_ptr<ui::Form1> form = std::make_unique<ui::Form1>(services);

    MainWindow() {
        form->show();
        form->activateWindow();
        (void)QTest::qWaitForWindowActive(form.get());
    }
    template <typename T = QWidget> T* find(const char* name) const {
        return form->findChild<T*>(QLatin1String(name));
    }
};

} // namespace testing_support
