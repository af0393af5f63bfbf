// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace platform {

// The message-box styles the program uses, with the values Windows gives them.
enum class MessageStyle {
    Ok = 0,                // OK button, no icon
    OkStop = 16,           // OK button, stop icon
    YesNoExclamation = 52, // Yes and No buttons, exclamation icon
};

// The answers, as Windows numbers them.
inline constexpr int AnswerOk = 1;
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;

// Shows a modal box owned by `owner` and returns the pressed button. An empty title means the
// program's title. The first button is the default; a Yes/No box cannot be dismissed any other
// way than by answering it.
[[nodiscard]] int ShowMessage(QWidget* owner, const QString& text, MessageStyle style,
                              const QString& title = {});

} // namespace platform
