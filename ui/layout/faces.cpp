// SPDX-License-Identifier: MIT
#include "faces.h"

namespace ui {

std::string_view ChooseFace(std::string_view family, FaceSystem system,
                            const std::function<bool(std::string_view)>& installed) {
    for (const FaceRow& row : Faces) {
        if (row.family != family)
            continue;
        const std::string_view standIn = system == FaceSystem::Windows ? row.windows : row.debian;
        for (const std::string_view face : {row.family, row.english, standIn}) {
            if (!face.empty() && installed(face))
                return face;
        }
    }
    return family;
}

} // namespace ui
