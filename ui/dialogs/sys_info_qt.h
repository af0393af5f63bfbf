// SPDX-License-Identifier: MIT
// The about dialog's way into StartSysInfo: the program's platform services stand in for the
// environment, and the message box belongs to the dialog.
#pragma once

#include "sys_info.h"

class QWidget;

namespace platform {
class PlatformServices;
}

namespace ui {

// Starts the system-information tool, or shows "此时系统信息不可用" owned by `owner`.
void StartSysInfo(platform::PlatformServices& services, QWidget* owner,
                  const Registry& registry = RealRegistry());

} // namespace ui
