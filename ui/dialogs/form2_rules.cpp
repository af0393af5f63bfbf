// SPDX-License-Identifier: MIT
#include "form2_rules.h"

#include <string>

namespace ui::form2 {

void Load(View& view) {
    view.setText(Label2, std::string(QqPrefix) + std::string(author::QqNumber));
    view.setText(Label3, std::string(EmailPrefix) + std::string(author::Email));
}

void OpenPage(platform::PlatformServices& services, Control button) {
    for (const PageRow& page : Pages) {
        if (page.button != button)
            continue;
        const std::string error = services.openWebPage(page.address);
        if (!error.empty()) {
            services.showMessage(std::string(PageFailed) + std::string(page.address) + '\n' + error,
                                 platform::MessageStyle::OkStop, {});
        }
    }
}

} // namespace ui::form2
