// SPDX-License-Identifier: MIT
#pragma once

#include "platform/service_types.h"

#include <string_view>

namespace ui::qt {

// Reads a picture file through Qt's image readers; see PlatformServices::loadPicture. A missing,
// unreadable, undecodable or oversized file is reported in the result's error.
[[nodiscard]] platform::LoadedPicture LoadPictureFile(std::string_view path);

} // namespace ui::qt
