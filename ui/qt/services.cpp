// SPDX-License-Identifier: MIT
#include "services.h"

#include "message_box.h"
#include "picture_file.h"
#include "utf8_text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <QWidget>

namespace ui::qt {

Services& Services::instance() {
    static Services services;
    return services;
}

// The box belongs to the window the user acted in: an open dialog, else the active window, else
// the main window, which the window system may make active again only later.
platform::Answer Services::showMessage(std::string_view text, platform::MessageStyle style,
                                       std::string_view title) {
    QWidget* owner = QApplication::activeModalWidget();
    owner = owner ? owner : QApplication::activeWindow();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!owner && window->isVisible() && window->windowType() == Qt::Window)
            owner = window;
    }
    return ShowMessage(owner, ToQString(text), style, ToQString(title));
}

platform::LoadedPicture Services::loadPicture(std::string_view path) {
    return LoadPictureFile(path);
}

// No shell is involved: the line is split into a program and its arguments by the usual
// quoting rules. A desktop has no "minimized" start request, so the style is not used here.
std::string Services::launchCommand(std::string_view commandLine, platform::WindowStyle /*style*/) {
    QStringList arguments = QProcess::splitCommand(ToQString(commandLine));
    if (arguments.isEmpty())
        return "命令为空";
    const QString program = arguments.takeFirst();
    if (!QProcess::startDetached(program, arguments))
        return std::string(platform::StartFailed) + ToUtf8(program);
    return {};
}

// The desktop's own handler for web addresses.
std::string Services::openWebPage(std::string_view address) {
    const QUrl url(ToQString(address));
    if (!url.isValid())
        return "无效的网址";
    if (!QDesktopServices::openUrl(url))
        return "没有可以打开网页的程序";
    return {};
}

// QCoreApplication::quit() would first ask every window to close, and so ask the close
// question a second time; exit() only leaves the event loop.
void Services::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace ui::qt
