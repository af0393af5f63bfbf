// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace ui {

// How a label treats its caption: kept in the given box, wrapped within its width, or sized
// to the caption with its top-left corner kept.
enum class Sizing { Fixed, Wrap, AutoSize };

// A label of a layout table, which keeps to its sizing rule whenever its text is set.
class DesignLabel final : public QLabel {
    Q_OBJECT

public:
    DesignLabel(Sizing sizing, int designHeight, QWidget* parent);

    // QLabel::setText cannot be overridden; this one also fits the label to the new text.
    void setText(const QString& text);

private:
    Sizing m_sizing;
    int m_designHeight; // pixels
};

} // namespace ui
