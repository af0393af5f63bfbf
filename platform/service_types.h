// SPDX-License-Identifier: MIT
// What the platform's services take and give back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The message-box styles the program uses, with the values Windows gives them.
enum class MessageStyle {
    Ok = 0,                // OK button, no icon
    OkStop = 16,           // OK button, stop icon
    YesNoExclamation = 52, // Yes and No buttons, exclamation icon
};

enum class Answer { Ok, Yes, No };

// How a started program's first window appears, with the values Windows gives them.
enum class WindowStyle {
    NormalFocus = 1,
    MinimizedFocus = 2,
};

// A decoded picture: rows from the top, each pixel 0xAARRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    [[nodiscard]] bool empty() const { return pixels.empty(); }
};

struct LoadedPicture {
    Picture picture;   // empty for the empty path and on failure
    std::string error; // why the file could not be read; empty on success
};

// A picture with more pixels is refused unread: its header may claim any size.
inline constexpr std::int64_t MaximumPicturePixels = 4096 * 4096;

// Why a picture could not be read, before the file's path.
inline constexpr std::string_view PictureMissing = "找不到图片文件：";
inline constexpr std::string_view PictureUnreadable = "无法读取图片文件：";
inline constexpr std::string_view PictureTooLarge = "图片太大：";

// Why a program could not be started, before its name.
inline constexpr std::string_view StartFailed = "无法启动：";

} // namespace platform
