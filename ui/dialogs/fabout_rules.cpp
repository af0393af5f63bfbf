// SPDX-License-Identifier: MIT
#include "fabout_rules.h"

namespace ui::fabout {

std::string VersionText(core::Version version) {
    return std::string(VersionPrefix) + std::to_string(version.major) + '.' +
           std::to_string(version.minor) + '.' + std::to_string(version.revision);
}

void Load(View& view) {
    view.setCaption(std::string(CaptionPrefix) + std::string(core::ProgramTitle));
    view.setText(lblVersion, VersionText(core::ProgramVersion));
    view.setText(lblTitle, core::ProgramTitle);
}

} // namespace ui::fabout
