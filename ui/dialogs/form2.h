// SPDX-License-Identifier: MIT
#pragma once

#include "platform/platform_services.h"

#include <QDialog>

namespace ui {

// The about-author dialog: a greeting, contact details and two buttons that open web pages.
class Form2 final : public QDialog {
    Q_OBJECT

public:
    explicit Form2(platform::PlatformServices& services, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openPage(std::string_view address);

    platform::PlatformServices& m_services;
};

} // namespace ui
