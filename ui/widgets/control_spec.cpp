// SPDX-License-Identifier: MIT
#include "control_spec.h"

#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace ui {
namespace {

constexpr const char* SizingProperty = "moltravaSizing";
constexpr const char* DesignHeightProperty = "moltravaDesignHeight";

QWidget* createControl(QWidget* parent, const ControlSpec& spec) {
    const QString caption = FromUtf8(spec.caption);
    switch (spec.kind) {
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
    case ControlKind::PictureBox:
        return new QLabel(parent);
    }
    return nullptr;
}

void applyColours(QWidget* widget, const ControlSpec& spec) {
    if (!spec.textColour && !spec.backgroundColour)
        return;
    QPalette palette = widget->palette();
    if (spec.textColour) {
        const QColor colour = QColor::fromRgb(*spec.textColour);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        palette.setColor(QPalette::ButtonText, colour);
    }
    if (spec.backgroundColour) {
        palette.setColor(QPalette::Window, QColor::fromRgb(*spec.backgroundColour));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* BuildControl(QWidget* window, const ControlSpec& spec, QWidget* premade) {
    QWidget* parent = window;
    if (!spec.container.empty())
        parent = window->findChild<QWidget*>(FromUtf8(spec.container));
    Q_ASSERT(parent);

    QWidget* widget = premade ? premade : createControl(parent, spec);
    if (premade)
        premade->setParent(parent);
    widget->setObjectName(FromUtf8(spec.name));
    widget->setGeometry(PixelRect(spec.left, spec.top, spec.width, spec.height));
    if (!spec.font.family.empty())
        widget->setFont(DesignFont(spec.font));
    applyColours(widget, spec);
    if (!spec.toolTip.empty())
        widget->setToolTip(FromUtf8(spec.toolTip));

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setProperty(SizingProperty, static_cast<int>(spec.sizing));
        label->setProperty(DesignHeightProperty, Pixels(spec.height));
        label->setWordWrap(spec.sizing == Sizing::Wrap);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        if (spec.kind == ControlKind::Label)
            SetCaption(label, FromUtf8(spec.caption));
    }
    return widget;
}

void SetCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    switch (static_cast<Sizing>(label->property(SizingProperty).toInt())) {
    case Sizing::Fixed:
        break;
    case Sizing::Wrap: {
        // A substitute face may need more line height than the one the box was drawn for: the
        // label then grows downwards rather than cut its last line off.
        const int designHeight = label->property(DesignHeightProperty).toInt();
        label->resize(label->width(),
                      std::max(designHeight, label->heightForWidth(label->width())));
        break;
    }
    case Sizing::AutoSize: {
        // An empty caption leaves a label no wider than nothing, one line high.
        const QSize fitted = label->sizeHint();
        label->resize(caption.isEmpty() ? QSize(0, fitted.height()) : fitted);
        break;
    }
    }
}

} // namespace ui
