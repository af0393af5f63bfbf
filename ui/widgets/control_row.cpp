// SPDX-License-Identifier: MIT
#include "control_row.h"

#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ui {
namespace {

QWidget* createControl(QWidget* parent, const ControlRow& row) {
    const QString caption = FromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::OptionButton:
        return new QRadioButton(caption, parent);
    case ControlKind::TextBox:
        return new QLineEdit(caption, parent);
    case ControlKind::PushButton:
        return new QPushButton(caption, parent);
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        // The caption sits in the frame's top edge, so the box spans the control's full height.
        frame->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); margin-top: 0.6em; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
        return frame;
    }
    case ControlKind::Label:
        return new DesignLabel(row.sizing, Pixels(row.height), parent);
    case ControlKind::PictureBox:
        return new QLabel(parent);
    }
    return nullptr;
}

void applyColours(QWidget* widget, const ControlRow& row) {
    if (!row.textColour && !row.backgroundColour)
        return;
    QPalette palette = widget->palette();
    if (row.textColour) {
        const QColor colour = QColor::fromRgb(*row.textColour);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        palette.setColor(QPalette::ButtonText, colour);
    }
    if (row.backgroundColour) {
        palette.setColor(QPalette::Window, QColor::fromRgb(*row.backgroundColour));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace

QWidget* BuildControl(QWidget* window, const ControlRow& row, QWidget* premade) {
    QWidget* parent = window;
    if (!row.container.empty())
        parent = window->findChild<QWidget*>(FromUtf8(row.container));
    Q_ASSERT(parent);

    QWidget* widget = premade ? premade : createControl(parent, row);
    if (premade)
        premade->setParent(parent);
    widget->setObjectName(FromUtf8(row.name));
    widget->setGeometry(PixelRect(row.left, row.top, row.width, row.height));
    if (!row.font.family.empty())
        widget->setFont(DesignFont(row.font));
    applyColours(widget, row);
    if (!row.toolTip.empty())
        widget->setToolTip(FromUtf8(row.toolTip));

    if (auto* label = qobject_cast<DesignLabel*>(widget))
        label->setText(FromUtf8(row.caption));
    return widget;
}

} // namespace ui
