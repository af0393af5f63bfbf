// SPDX-License-Identifier: MIT
#include "platform_services.h"

#include "command_launcher.h"
#include "file_probe.h"
#include "message_box.h"
#include "registry.h"
#include "utf8_text.h"
#include "web_page.h"

#include <QApplication>
#include <QDate>
#include <QWidget>

namespace platform {

RealPlatformServices& RealPlatformServices::instance() {
    static RealPlatformServices services;
    return services;
}

// The box belongs to the window the user acted in: an open dialog, else the active window, else
// the main window, which the window system may make active again only later.
Answer RealPlatformServices::showMessage(std::string_view text, MessageStyle style,
                                         std::string_view title) {
    QWidget* owner = QApplication::activeModalWidget();
    owner = owner ? owner : QApplication::activeWindow();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!owner && window->isVisible() && window->windowType() == Qt::Window)
            owner = window;
    }
    return ShowMessage(owner, FromUtf8(text), style, FromUtf8(title));
}

std::string RealPlatformServices::launchCommand(std::string_view commandLine, WindowStyle style) {
    return LaunchCommand(commandLine, style);
}

std::string RealPlatformServices::openWebPage(std::string_view address) {
    return OpenWebPage(address);
}

bool RealPlatformServices::fileExists(std::string_view pattern) {
    return FileExists(pattern);
}

bool RealPlatformServices::getKeyValue(std::uint32_t keyRoot, std::string_view keyName,
                                       std::string_view subKeyRef, std::string& keyVal) {
    return GetKeyValue(keyRoot, keyName, subKeyRef, keyVal);
}

int RealPlatformServices::currentYear() {
    return QDate::currentDate().year();
}

// QCoreApplication::quit() would first ask every window to close, and so ask the close
// question a second time; exit() only leaves the event loop.
void RealPlatformServices::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace platform
