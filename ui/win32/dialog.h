// SPDX-License-Identifier: MIT
// A window of the program: a dialog of its own window class, made from a template without
// controls, so that the dialog manager serves its keyboard (Tab, the arrow keys in a group of
// option buttons, Enter on the default button, Esc on IDCANCEL) as people expect of Windows.
#pragma once

#include "controls.h"
#include "ui/layout/geometry.h"

#include <optional>
#include <span>
#include <string_view>

#include <windows.h>

namespace ui::win32 {

struct WindowTraits {
    const wchar_t* className; // also the name that tests and tools find the window by
    DWORD style;
    DWORD extendedStyle;
    int iconResource;
    Size client; // twips
};

class Dialog {
public:
    Dialog(const WindowTraits& traits, std::span<const ControlRow> rows);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    [[nodiscard]] HWND window() const { return m_window; }
    [[nodiscard]] const ControlSet& controls() const { return m_controls; }

protected:
    // Creates the window, owned by `owner` and not yet shown.
    void create(HWND owner);
    // Shows the window modal to its owner's application and returns when it has closed.
    void runModal(HWND owner);
    void close();

    // Each window's own answer to a message, or none for the dialog manager's.
    virtual std::optional<INT_PTR> handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // After the controls are made at the window's density: the texts, focus and placement.
    virtual void initialise() = 0;
    // The client size in pixels at `dpi`: the table's, unless the window grows to show its text.
    [[nodiscard]] virtual Size clientSize(int dpi) const;
    // Places the window, sized for its client area, centred on `area` (screen pixels).
    void placeCentred(Rect area);

    ControlSet m_controls;

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void resizeFor(int dpi, const RECT* suggested);
    void setIcons(int dpi);

    WindowTraits m_traits;
    HWND m_window = nullptr;
    Icon m_smallIcon, m_bigIcon;
    bool m_modal = false;
};

// The work area of the screen a window is on, or of the main screen.
[[nodiscard]] Rect WorkArea(HWND window);
// A window's frame in screen pixels.
[[nodiscard]] Rect WindowBox(HWND window);

} // namespace ui::win32
