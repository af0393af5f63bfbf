// SPDX-License-Identifier: MIT
#include "controls.h"

#include "platform/text_win.h"

#include <algorithm>

#include <commctrl.h>

namespace ui::win32 {
namespace {

// The procedure a control's class gave it, kept where its replacement finds it again. Replacing
// the procedure rather than subclassing with SetWindowSubclass spares each message a lookup of
// the subclass's data among the window's properties, which under Wine asks the wineserver.
LRESULT classProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA)),
                           control, message, wParam, lParam);
}

void replaceProc(HWND control, WNDPROC proc) {
    SetWindowLongPtrW(control, GWLP_USERDATA,
                      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

// A frame passes the messages of the controls it holds on to its window, and takes the mouse
// over its own surface: a click on it is not a click on the window.
LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetParent(frame), message, wParam, lParam);
    case WM_NCHITTEST:
        return HTCLIENT;
    default:
        return classProc(frame, message, wParam, lParam);
    }
}

// A picture box shows when it has the focus, which it takes in its turn.
LRESULT CALLBACK pictureProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
        InvalidateRect(box, nullptr, FALSE);
    if (message == WM_GETDLGCODE)
        return DLGC_STATIC; // Enter and Esc go on to the window's buttons
    return classProc(box, message, wParam, lParam);
}

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style, extendedStyle;
};

ClassAndStyle classAndStyle(const ControlRow& row, bool followsOption) {
    // Each control starts a group of its own, but for option buttons that follow each other: the
    // arrow keys move among those.
    const DWORD group = followsOption ? 0 : WS_GROUP;
    switch (row.kind) {
    case ControlKind::OptionButton:
        return {WC_BUTTONW, BS_AUTORADIOBUTTON | group | (followsOption ? 0 : WS_TABSTOP), 0};
    case ControlKind::TextBox:
        // A thin border, as visual styles draw one: with a sunken edge of two pixels, four bold
        // digits and the caret do not fit the table's box, and the first would scroll away.
        return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER | group, 0};
    case ControlKind::PushButton:
        return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP | group, 0};
    case ControlKind::Label:
        return {WC_STATICW,
                (row.sizing == Sizing::Wrap ? SS_LEFT : SS_LEFTNOWORDWRAP) | SS_NOPREFIX |
                    SS_NOTIFY | group,
                0};
    case ControlKind::Frame:
        return {WC_BUTTONW, BS_GROUPBOX | group, WS_EX_CONTROLPARENT};
    case ControlKind::PictureBox:
        return {WC_STATICW, SS_OWNERDRAW | SS_NOTIFY | WS_TABSTOP | group, WS_EX_CLIENTEDGE};
    }
    return {WC_STATICW, 0, 0};
}

// The extent of a caption in a label's font: one line, or wrapped within `width`.
Size textExtent(HDC dc, HFONT font, const std::wstring& text, int width) {
    const Selected selected(dc, font);
    RECT extent{0, 0, width, 0};
    const UINT format =
        DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &extent, format);
    return {extent.right - extent.left, extent.bottom - extent.top};
}

} // namespace

int CommandId(const ControlRow& row) {
    if (row.role == ButtonRole::Cancel || row.role == ButtonRole::DefaultAndCancel)
        return IDCANCEL;
    return FirstControlId + static_cast<int>(row.id);
}

int Scaled(int pixels, int dpi) {
    return MulDiv(pixels, dpi, StandardDpi);
}

ControlSet::ControlSet(std::span<const ControlRow> rows)
    : m_rows(rows)
    , m_controls(rows.size())
    , m_sizes(rows.size())
    , m_boxes(rows.size()) {}

// Each control is made at its place, in its font: the window is not shown yet, so nothing is
// drawn or placed twice.
void ControlSet::create(HWND window, int dpi) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    m_window = window;
    m_dpi = dpi;
    for (const ControlRow& row : m_rows) {
        const HWND parent = row.container == NoContainer ? window : m_controls[row.container];
        const bool followsOption = row.kind == ControlKind::OptionButton && row.id > 0 &&
                                   m_rows[row.id - 1].kind == ControlKind::OptionButton &&
                                   m_rows[row.id - 1].container == row.container;
        const ClassAndStyle kind = classAndStyle(row, followsOption);
        const std::wstring caption = platform::WideFromUtf8(row.caption);
        const Rect box = m_boxes[row.id] = fittedBox(row.id, caption);
        const HWND control = CreateWindowExW(
            kind.extendedStyle, kind.className, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
            box.left, box.top, box.width, box.height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(CommandId(row))), instance, nullptr);
        m_controls[row.id] = control;
        setFont(row, FALSE);
        if (row.kind == ControlKind::Frame)
            replaceProc(control, frameProc);
        if (row.kind == ControlKind::PictureBox)
            replaceProc(control, pictureProc);
    }
}

// The tips are made when the pointer first comes over a control that has one, rather than before
// the window is first drawn.
void ControlSet::pointerOver(HWND control, UINT mouseMessage) {
    const std::optional<std::size_t> id = idOf(control);
    if (m_toolTips || !id || m_rows[*id].toolTip.empty())
        return;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    m_toolTips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                 m_window, nullptr, instance, nullptr);
    for (const ControlRow& row : m_rows) {
        if (row.toolTip.empty())
            continue;
        std::wstring tip = platform::WideFromUtf8(row.toolTip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_window;
        tool.uId = reinterpret_cast<UINT_PTR>(m_controls[row.id]);
        tool.lpszText = tip.data();
        SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // The tips watch the controls' mouse messages from the next one on; this one starts the wait
    // for the tip, as if they had seen it.
    MSG message{control, mouseMessage, 0, 0, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&message.pt);
    POINT at = message.pt;
    ScreenToClient(control, &at);
    message.lParam = MAKELPARAM(at.x, at.y);
    SendMessageW(m_toolTips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void ControlSet::setFont(const ControlRow& row, BOOL redraw) {
    if (!row.font.family.empty())
        SendMessageW(m_controls[row.id], WM_SETFONT,
                     reinterpret_cast<WPARAM>(m_fonts.get(row.font, m_dpi)), redraw);
    // A text box's margins follow its font; those of a Chinese face leave no room for a
    // fourth bold digit in the box the table gives it.
    if (row.kind == ControlKind::TextBox)
        SendMessageW(m_controls[row.id], EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(0, 0));
}

void ControlSet::layOut(int dpi) {
    m_dpi = dpi;
    // The fonts of the former density are released once no control uses them any more.
    FontCache former = std::exchange(m_fonts, FontCache());
    for (const ControlRow& row : m_rows)
        setFont(row, TRUE);
    for (const ControlRow& row : m_rows)
        place(row.id);
}

Rect ControlSet::fittedBox(std::size_t id, const std::wstring& caption) {
    const ControlRow& row = m_rows[id];
    Rect box = PixelBox(row.box, m_dpi);
    if (m_sizes[id]) {
        const int edges = 2 * GetSystemMetricsForDpi(SM_CXEDGE, m_dpi);
        box.width = Scaled(m_sizes[id]->width, m_dpi) + edges;
        box.height = Scaled(m_sizes[id]->height, m_dpi) + edges;
    } else if (row.kind == ControlKind::Label) {
        if (!m_measuring)
            m_measuring.reset(CreateCompatibleDC(nullptr));
        const int wrapWidth = row.sizing == Sizing::Wrap ? box.width : 0;
        const Size fitted = FittedLabel(
            row.sizing, {box.width, box.height},
            textExtent(m_measuring.get(), m_fonts.get(row.font, m_dpi), caption, wrapWidth),
            caption.empty());
        box.width = fitted.width;
        box.height = fitted.height;
    }
    return box;
}

// A control whose box stays is neither moved nor drawn again: a label's new text draws itself,
// and a picture box is redrawn by whoever gives it a new picture.
void ControlSet::place(std::size_t id) {
    const Rect box = fittedBox(id, platform::WideFromUtf8(text(id)));
    const Rect& former = m_boxes[id];
    const bool moved = box.left != former.left || box.top != former.top ||
                       box.width != former.width || box.height != former.height;
    if (moved) {
        SetWindowPos(m_controls[id], nullptr, box.left, box.top, box.width, box.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(m_controls[id], nullptr, TRUE);
    }
    m_boxes[id] = box;
}

std::optional<std::size_t> ControlSet::fromCommand(int commandId) const {
    for (const ControlRow& row : m_rows) {
        if (CommandId(row) == commandId)
            return row.id;
    }
    return std::nullopt;
}

std::optional<std::size_t> ControlSet::idOf(HWND control) const {
    const auto found = std::find(m_controls.begin(), m_controls.end(), control);
    if (found == m_controls.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - m_controls.begin());
}

std::string ControlSet::text(std::size_t id) const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(m_controls[id])) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(m_controls[id], text.data(), static_cast<int>(text.size()))));
    return platform::Utf8FromWide(text);
}

void ControlSet::setText(std::size_t id, std::string_view text) {
    const bool label = m_rows[id].kind == ControlKind::Label;
    if (label && this->text(id) == text)
        return; // a label would draw and fit the same caption again
    SetWindowTextW(m_controls[id], platform::WideFromUtf8(text).c_str());
    if (label)
        place(id);
}

void ControlSet::resize(std::size_t id, std::optional<Size> size) {
    m_sizes[id] = size;
    place(id);
}

HBRUSH ControlSet::colour(HDC dc, HWND control, bool edit) {
    const std::optional<std::size_t> id = idOf(control);
    if (!id || (!m_rows[*id].textColour && !m_rows[*id].backgroundColour))
        return nullptr;
    const ControlRow& row = m_rows[*id];
    if (row.textColour)
        SetTextColor(dc, ToColorRef(*row.textColour));
    const COLORREF background = row.backgroundColour
                                    ? ToColorRef(*row.backgroundColour)
                                    : GetSysColor(edit ? COLOR_WINDOW : COLOR_BTNFACE);
    SetBkColor(dc, background);
    Brush& brush = m_brushes[background];
    if (!brush)
        brush.reset(CreateSolidBrush(background));
    return brush.get();
}

Rect ControlSet::box(std::size_t id) const {
    RECT box{};
    GetWindowRect(m_controls[id], &box);
    MapWindowPoints(HWND_DESKTOP, GetParent(m_controls[id]), reinterpret_cast<POINT*>(&box), 2);
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

} // namespace ui::win32
