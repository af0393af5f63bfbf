// SPDX-License-Identifier: MIT
#pragma once

#include "platform/service_types.h"

#include <string_view>

#include <windows.h>

namespace ui::win32 {

// Reads a picture file through the Windows Imaging Component; see
// PlatformServices::loadPicture. A missing, unreadable, undecodable or oversized file is
// reported in the result's error. COM must be initialised on the calling thread.
[[nodiscard]] platform::LoadedPicture LoadPictureFile(std::string_view path);

// Draws a picture into `target`, resampled smoothly where the sizes differ.
void DrawPicture(HDC dc, const RECT& target, const platform::Picture& picture);

} // namespace ui::win32
