// SPDX-License-Identifier: MIT
#include "controls.h"

#include "design_font.h"
#include "design_label.h"
#include "picture_box.h"
#include "utf8_text.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace ui::qt {
namespace {

QWidget* createControl(QWidget* parent, const ControlRow& row) {
    const QString caption = ToQString(row.caption);
    switch (row.kind) {
    case ControlKind::OptionButton:
        return new QRadioButton(caption, parent);
    case ControlKind::TextBox:
        return new QLineEdit(caption, parent);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        // Drawn as the default and told to screen readers; the window presses it on Enter.
        button->setDefault(row.role == ButtonRole::Default ||
                           row.role == ButtonRole::DefaultAndCancel);
        return button;
    }
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        // The caption sits in the frame's top edge, so the box spans the control's full height.
        frame->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); margin-top: 0.6em; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
        return frame;
    }
    case ControlKind::Label: {
        const Rect box = PixelBox(row.box);
        return new DesignLabel(row.sizing, {box.width, box.height}, parent);
    }
    case ControlKind::PictureBox:
        return new PictureBox(parent);
    }
    return nullptr;
}

QColor toQColor(Colour colour) {
    return {colour.red, colour.green, colour.blue};
}

void applyColours(QWidget* widget, const ControlRow& row) {
    if (!row.textColour && !row.backgroundColour)
        return;
    QPalette palette = widget->palette();
    if (row.textColour) {
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, toQColor(*row.textColour));
    }
    if (row.backgroundColour) {
        palette.setColor(QPalette::Window, toQColor(*row.backgroundColour));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace

void BuildControls(QWidget* window, std::span<const ControlRow> rows, std::span<QWidget*> widgets) {
    for (const ControlRow& row : rows) {
        QWidget* parent = row.container == NoContainer ? window : widgets[row.container];
        QWidget*& widget = widgets[row.id];
        if (widget)
            widget->setParent(parent);
        else
            widget = createControl(parent, row);
        widget->setObjectName(ToQString(row.name));
        widget->setGeometry(ToQRect(PixelBox(row.box)));
        if (!row.font.family.empty())
            widget->setFont(DesignFont(row.font));
        applyColours(widget, row);
        if (!row.toolTip.empty())
            widget->setToolTip(ToQString(row.toolTip));
        if (auto* label = qobject_cast<DesignLabel*>(widget))
            label->setText(ToQString(row.caption));
    }
    // The rows are in tab order, whichever widget was made first.
    for (std::size_t i = 1; i < rows.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

bool PressButtonForKey(const QKeyEvent* event, std::span<const ControlRow> rows,
                       std::span<QWidget* const> widgets) {
    DialogKey key = DialogKey::Enter;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    case Qt::Key_Escape:
        key = DialogKey::Escape;
        break;
    default:
        return false;
    }
    const auto focused = std::find(widgets.begin(), widgets.end(), QApplication::focusWidget());
    const auto button = ButtonForKey(rows, key,
                                     focused == widgets.end()
                                         ? std::nullopt
                                         : std::optional<std::size_t>(focused - widgets.begin()));
    if (button)
        static_cast<QPushButton*>(widgets[*button])->click();
    return true;
}

} // namespace ui::qt
