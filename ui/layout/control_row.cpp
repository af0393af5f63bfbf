// SPDX-License-Identifier: MIT
#include "control_row.h"

namespace ui {
namespace {

[[nodiscard]] bool hasRole(const ControlRow& row, ButtonRole role) {
    return row.kind == ControlKind::PushButton &&
           (row.role == role || row.role == ButtonRole::DefaultAndCancel);
}

} // namespace

std::optional<std::size_t> ButtonForKey(std::span<const ControlRow> rows, DialogKey key,
                                        std::optional<std::size_t> focused) {
    if (key == DialogKey::Enter && focused && rows[*focused].kind == ControlKind::PushButton)
        return focused;
    const ButtonRole wanted = key == DialogKey::Enter ? ButtonRole::Default : ButtonRole::Cancel;
    for (const ControlRow& row : rows) {
        if (hasRole(row, wanted))
            return row.id;
    }
    return std::nullopt;
}

} // namespace ui
