// SPDX-License-Identifier: MIT
#include "design_label.h"

#include <algorithm>

namespace ui {

DesignLabel::DesignLabel(Sizing sizing, int designHeight, QWidget* parent)
    : QLabel(parent)
    , m_sizing(sizing)
    , m_designHeight(designHeight) {
    setWordWrap(sizing == Sizing::Wrap);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void DesignLabel::setText(const QString& text) {
    QLabel::setText(text);
    switch (m_sizing) {
    case Sizing::Fixed:
        break;
    case Sizing::Wrap:
        // A substitute face may need more line height than the one the box was drawn for: the
        // label then grows downwards rather than cut its last line off.
        resize(width(), std::max(m_designHeight, heightForWidth(width())));
        break;
    case Sizing::AutoSize: {
        // An empty caption leaves a label no wider than nothing, one line high.
        const QSize fitted = sizeHint();
        resize(text.isEmpty() ? QSize(0, fitted.height()) : fitted);
        break;
    }
    }
}

} // namespace ui
