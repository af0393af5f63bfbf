// SPDX-License-Identifier: MIT
#include "command_launcher.h"

#include "utf8_text.h"

#include <QProcess>

namespace platform {

// No shell is involved: the line is split into a program and its arguments by the usual
// quoting rules. A desktop has no "minimized" start request, so the style is not used here.
std::string LaunchCommand(std::string_view commandLine, WindowStyle /*style*/) {
    QStringList arguments = QProcess::splitCommand(FromUtf8(commandLine));
    if (arguments.isEmpty())
        return "命令为空";
    const QString program = arguments.takeFirst();
    if (!QProcess::startDetached(program, arguments))
        return "无法启动：" + program.toStdString();
    return {};
}

} // namespace platform
