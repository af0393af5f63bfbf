// SPDX-License-Identifier: MIT
#include "sys_info_qt.h"

#include "platform/platform_services.h"
#include "platform/utf8_text.h"

#include <QString>

namespace ui {
namespace {

class ServicesEnvironment final : public SysInfoEnvironment {
public:
    ServicesEnvironment(platform::PlatformServices& services, QWidget* owner)
        : m_services(services)
        , m_owner(owner) {}

    bool fileExists(std::string_view pattern) override {
        return m_services.fileExists(platform::FromUtf8(pattern));
    }

    std::string launchCommand(std::string_view commandLine, int windowStyle) override {
        return m_services
            .launchCommand(platform::FromUtf8(commandLine),
                           static_cast<platform::WindowStyle>(windowStyle))
            .toStdString();
    }

    void showMessage(std::string_view text, int style) override {
        // An OK box has only one answer.
        (void)m_services.showMessage(m_owner, platform::FromUtf8(text),
                                     static_cast<platform::MessageStyle>(style));
    }

private:
    platform::PlatformServices& m_services;
    QWidget* m_owner;
};

} // namespace

void StartSysInfo(platform::PlatformServices& services, QWidget* owner, const Registry& registry) {
    ServicesEnvironment environment(services, owner);
    StartSysInfo(environment, registry);
}

} // namespace ui
