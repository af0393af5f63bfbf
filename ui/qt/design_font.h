// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout/control_row.h"

#include <QFont>

namespace ui::qt {

// The requested family where the system has it, else the face that stands in for it on Debian.
[[nodiscard]] QFont DesignFont(const FontRequest& request);

} // namespace ui::qt
