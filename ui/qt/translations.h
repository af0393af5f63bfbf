// SPDX-License-Identifier: MIT
#pragma once

namespace ui::qt {

// Puts Qt's own texts, such as the entry's context menu, in the program's language, Simplified
// Chinese, whatever the desktop's language. Without the translation they stay in English.
void InstallQtTranslations();

} // namespace ui::qt
