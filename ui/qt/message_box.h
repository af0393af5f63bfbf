// SPDX-License-Identifier: MIT
#pragma once

#include "platform/service_types.h"

#include <QString>

class QWidget;

namespace ui::qt {

// Shows a modal box owned by `owner` and returns the pressed button. An empty title means the
// program's title. The first button is the default; a Yes/No box cannot be dismissed any other
// way than by answering it.
platform::Answer ShowMessage(QWidget* owner, const QString& text, platform::MessageStyle style,
                             const QString& title = {});

} // namespace ui::qt
