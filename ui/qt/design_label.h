// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout/geometry.h"

#include <QLabel>

namespace ui::qt {

// A label of a layout table, which keeps to its sizing rule whenever its text is set.
class DesignLabel final : public QLabel {
    Q_OBJECT

public:
    DesignLabel(Sizing sizing, Size design, QWidget* parent);

    // QLabel::setText cannot be overridden; this one also fits the label to the new text.
    void setText(const QString& text);

private:
    Sizing m_sizing;
    Size m_design; // pixels
};

} // namespace ui::qt
