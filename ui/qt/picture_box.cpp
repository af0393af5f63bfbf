// SPDX-License-Identifier: MIT
#include "picture_box.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace ui::qt {

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::TabFocus); // in its turn of the tab order
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    // The style draws it once the keyboard has moved the focus, the only way this box takes it.
    option.rect = contentsRect();
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace ui::qt
