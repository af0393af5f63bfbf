// SPDX-License-Identifier: MIT
#pragma once

#include "platform/platform_services.h"

#include <QDialog>

class QPushButton;

namespace ui {

class DesignLabel;

// The about-program dialog: the program's title, version and description.
class FAbout final : public QDialog {
    Q_OBJECT

public:
    explicit FAbout(platform::PlatformServices& services, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Fills in the captions that come from the program's title and version.
    void Load();

    platform::PlatformServices& m_services;
    DesignLabel* m_lblTitle = nullptr;
    DesignLabel* m_lblVersion = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
};

} // namespace ui
