// SPDX-License-Identifier: MIT
#include "web_page.h"

#include "command_launcher.h"
#include "command_line.h"
#include "utf8_text.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

std::string OpenWebPage(std::string_view address) {
    const QUrl url(FromUtf8(address));
    if (!url.isValid())
        return "无效的网址";
#ifdef Q_OS_WIN
    const std::string encoded = url.toString(QUrl::FullyEncoded).toStdString();
    return LaunchCommand(CommandLineWithArgument("explorer.exe", encoded),
                         WindowStyle::MinimizedFocus);
#else
    if (!QDesktopServices::openUrl(url))
        return "没有可以打开网页的程序";
    return {};
#endif
}

} // namespace platform
