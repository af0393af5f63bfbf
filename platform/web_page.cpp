// SPDX-License-Identifier: MIT
#include "web_page.h"

#include "command_launcher.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

QString OpenWebPage(const QUrl& address) {
    if (!address.isValid())
        return QStringLiteral("无效的网址");
#ifdef Q_OS_WIN
    return LaunchCommand(QStringLiteral("explorer.exe ") + address.toString(),
                         WindowStyle::MinimizedFocus);
#else
    if (!QDesktopServices::openUrl(address))
        return QStringLiteral("没有可以打开网页的程序");
    return {};
#endif
}

} // namespace platform
