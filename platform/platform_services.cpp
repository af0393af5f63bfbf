// SPDX-License-Identifier: MIT
#include "platform_services.h"

#include "current_year.h"
#include "file_probe.h"
#include "web_page.h"

#include <QCoreApplication>
#include <QUrl>

namespace platform {

RealPlatformServices& RealPlatformServices::instance() {
    static RealPlatformServices services;
    return services;
}

int RealPlatformServices::showMessage(QWidget* owner, const QString& text, MessageStyle style,
                                      const QString& title) {
    return ShowMessage(owner, text, style, title);
}

LoadedPicture RealPlatformServices::loadPictureFile(const QString& path) {
    return LoadPictureFile(path);
}

QString RealPlatformServices::launchCommand(const QString& commandLine, WindowStyle style) {
    return LaunchCommand(commandLine, style);
}

QString RealPlatformServices::openWebPage(const QUrl& address) {
    return OpenWebPage(address);
}

bool RealPlatformServices::fileExists(const QString& pattern) {
    return FileExists(pattern.toStdString());
}

int RealPlatformServices::currentYear() {
    return CurrentYear();
}

// QCoreApplication::quit() would first ask every window to close, and so ask the close
// question a second time; exit() only leaves the event loop.
void RealPlatformServices::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace platform
