// SPDX-License-Identifier: MIT
// Standard Windows controls from a window's layout table, at the window's density.
#pragma once

#include "fonts.h"
#include "handles.h"
#include "ui/layout/control_row.h"
#include "ui/layout/geometry.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace ui::win32 {

// The command identifier of each control: IDCANCEL for the cancel button, so that Esc presses
// it, and its place in the table after the first identifier otherwise.
inline constexpr int FirstControlId = 100;
[[nodiscard]] int CommandId(const ControlRow& row);

class ControlSet {
public:
    explicit ControlSet(std::span<const ControlRow> rows);

    // Makes the controls inside `window`, or inside the control that contains them.
    void create(HWND window, int dpi);
    // Places the controls and gives them their fonts at `dpi`, as after a move to another screen.
    void layOut(int dpi);
    // The pointer over one of the window's controls, as WM_SETCURSOR tells the window.
    void pointerOver(HWND control, UINT mouseMessage);

    [[nodiscard]] HWND operator[](std::size_t id) const { return m_controls[id]; }
    [[nodiscard]] std::span<const ControlRow> rows() const { return m_rows; }
    [[nodiscard]] std::optional<std::size_t> fromCommand(int commandId) const;
    [[nodiscard]] std::optional<std::size_t> idOf(HWND control) const;
    [[nodiscard]] int dpi() const { return m_dpi; }
    [[nodiscard]] HFONT font(const FontRequest& request) { return m_fonts.get(request, m_dpi); }

    [[nodiscard]] std::string text(std::size_t id) const; // UTF-8
    // Sets a caption; a label then fits it as its sizing rule says.
    void setText(std::size_t id, std::string_view text);
    // Gives a control a new size in device-independent pixels, keeping its top-left corner;
    // none gives it its table's size back. The picture boxes take the size of their picture.
    void resize(std::size_t id, std::optional<Size> size);
    // The colours of a label or text box, for WM_CTLCOLORSTATIC and WM_CTLCOLOREDIT: the brush of
    // its background, or none where the control keeps the system's colours.
    [[nodiscard]] HBRUSH colour(HDC dc, HWND control, bool edit);
    // The pixel box of a control within its container.
    [[nodiscard]] Rect box(std::size_t id) const;

private:
    void place(std::size_t id);
    void setFont(const ControlRow& row, BOOL redraw);
    // Where the control goes, a label fitted to `caption`.
    [[nodiscard]] Rect fittedBox(std::size_t id, const std::wstring& caption);

    std::span<const ControlRow> m_rows;
    std::vector<HWND> m_controls;
    std::vector<std::optional<Size>> m_sizes; // device-independent pixels, where not the table's
    std::vector<Rect> m_boxes;                // where each control stands, in pixels
    OwnDc m_measuring;                        // for the labels' captions
    HWND m_window = nullptr;
    FontCache m_fonts;
    std::map<COLORREF, Brush> m_brushes;
    HWND m_toolTips = nullptr;
    int m_dpi = StandardDpi;
};

[[nodiscard]] constexpr COLORREF ToColorRef(Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

[[nodiscard]] int Scaled(int pixels, int dpi);

} // namespace ui::win32
