// SPDX-License-Identifier: MIT
#pragma once

#include "platform/platform_services.h"
#include "ui/dialogs/form2_rules.h"

#include <QDialog>

#include <array>

namespace ui::qt {

// The about-author dialog: a greeting, contact details and two buttons that open web pages.
class Form2 final : public QDialog, private form2::View {
    Q_OBJECT

public:
    explicit Form2(platform::PlatformServices& services, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setText(form2::Control control, std::string_view text) override;

    std::array<QWidget*, form2::ControlCount> m_controls{};
};

} // namespace ui::qt
