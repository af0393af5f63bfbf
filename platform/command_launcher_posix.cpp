// SPDX-License-Identifier: MIT
#include "command_launcher.h"

#include <QProcess>

namespace platform {

// No shell is involved: the line is split into a program and its arguments by the usual
// quoting rules. A desktop has no "minimized" start request, so the style is not used here.
QString LaunchCommand(const QString& commandLine, WindowStyle /*style*/) {
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return QStringLiteral("命令为空");
    const QString program = arguments.takeFirst();
    if (!QProcess::startDetached(program, arguments))
        return QStringLiteral("无法启动：%1").arg(program);
    return {};
}

} // namespace platform
