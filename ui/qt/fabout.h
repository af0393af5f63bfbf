// SPDX-License-Identifier: MIT
#pragma once

#include "platform/platform_services.h"
#include "ui/dialogs/fabout_rules.h"

#include <QDialog>

#include <array>

namespace ui::qt {

// The about-program dialog: the program's title, version and description.
class FAbout final : public QDialog, private fabout::View {
    Q_OBJECT

public:
    explicit FAbout(platform::PlatformServices& services, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setCaption(std::string_view caption) override;
    void setText(fabout::Control control, std::string_view text) override;

    std::array<QWidget*, fabout::ControlCount> m_controls{};
};

} // namespace ui::qt
