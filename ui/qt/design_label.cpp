// SPDX-License-Identifier: MIT
#include "design_label.h"

namespace ui::qt {

DesignLabel::DesignLabel(Sizing sizing, Size design, QWidget* parent)
    : QLabel(parent)
    , m_sizing(sizing)
    , m_design(design) {
    setWordWrap(sizing == Sizing::Wrap);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void DesignLabel::setText(const QString& text) {
    QLabel::setText(text);
    if (m_sizing == Sizing::Fixed)
        return;
    const QSize extent = m_sizing == Sizing::Wrap
                             ? QSize(m_design.width, heightForWidth(m_design.width))
                             : sizeHint();
    const Size fitted =
        FittedLabel(m_sizing, m_design, {extent.width(), extent.height()}, text.isEmpty());
    resize(fitted.width, fitted.height);
}

} // namespace ui::qt
