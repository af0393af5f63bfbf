// SPDX-License-Identifier: MIT
#include "form2.h"

#include "controls.h"
#include "design_label.h"
#include "icons.h"
#include "placement.h"
#include "utf8_text.h"

#include <QKeyEvent>
#include <QPushButton>

namespace ui::qt {

using namespace form2;

Form2::Form2(platform::PlatformServices& services, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(ToQString(Caption));
    setWindowIcon(AuthorIcon());
    setWindowModality(Qt::ApplicationModal);
    resize(ToQSize(PixelSize(ClientWidth, ClientHeight)));
    BuildControls(this, Controls, m_controls);
    Load(*this);

    for (const PageRow& page : Pages) {
        connect(static_cast<QPushButton*>(m_controls[page.button]), &QPushButton::clicked, this,
                [&services, button = page.button] { OpenPage(services, button); });
    }
    m_controls[Command2]->setFocus(Qt::OtherFocusReason); // the first that takes the focus
    CentreOnScreen(this);
}

void Form2::setText(Control control, std::string_view text) {
    static_cast<DesignLabel*>(m_controls[control])->setText(ToQString(text));
}

// With neither a default nor a cancel button, Esc leaves the dialog open.
void Form2::keyPressEvent(QKeyEvent* event) {
    if (!PressButtonForKey(event, Controls, m_controls))
        QDialog::keyPressEvent(event);
}

} // namespace ui::qt
