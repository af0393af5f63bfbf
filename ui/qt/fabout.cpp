// SPDX-License-Identifier: MIT
#include "fabout.h"

#include "controls.h"
#include "design_label.h"
#include "icons.h"
#include "picture_box.h"
#include "placement.h"
#include "ui/dialogs/sys_info.h"
#include "utf8_text.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace ui::qt {

using namespace fabout;

FAbout::FAbout(platform::PlatformServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("fAbout"));
    setWindowIcon(ProgramIcon());
    BuildControls(this, Controls, m_controls);

    auto* icon = static_cast<QLabel*>(m_controls[picIcon]);
    ShowInPictureBox(icon, ProgramIcon().pixmap(QSize(32, 32), icon->devicePixelRatioF()));
    icon->setAccessibleName(ToQString(IconName));
    connect(static_cast<QPushButton*>(m_controls[cmdOK]), &QPushButton::clicked, this,
            &QDialog::accept);
    connect(static_cast<QPushButton*>(m_controls[cmdSysInfo]), &QPushButton::clicked, this,
            [&services] { StartSysInfo(services); });

    Load(*this);
    m_controls[cmdOK]->setFocus(Qt::OtherFocusReason);

    const Size design = PixelSize(ClientWidth, ClientHeight);
    setFixedSize(design.width,
                 FittedHeight(design.height, m_controls[lblDisclaimer]->geometry().bottom() + 1));
    if (parent)
        CentreIn(this, parent->geometry());
}

void FAbout::setCaption(std::string_view caption) {
    setWindowTitle(ToQString(caption));
}

void FAbout::setText(Control control, std::string_view text) {
    static_cast<DesignLabel*>(m_controls[control])->setText(ToQString(text));
}

void FAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const LineRow& line : Line1) {
        painter.fillRect(
            QRect(Pixels(line.x1), Pixels(line.y1), Pixels(line.x2 - line.x1), line.widthPixels),
            QColor(line.colour.red, line.colour.green, line.colour.blue));
    }
}

// Enter and Esc both press 确定, except that Enter presses 系统信息 while it has the focus.
void FAbout::keyPressEvent(QKeyEvent* event) {
    if (!PressButtonForKey(event, Controls, m_controls))
        QDialog::keyPressEvent(event);
}

} // namespace ui::qt
