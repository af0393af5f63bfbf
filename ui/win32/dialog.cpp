// SPDX-License-Identifier: MIT
#include "dialog.h"

#include <vector>

namespace ui::win32 {
namespace {

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

// The window class that gives a dialog its name; the dialog manager's own procedure serves it.
// Its icons are the window's own, drawn for its density (WM_SETICON).
void registerClass(const WindowTraits& traits) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefDlgProcW;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = traits.className;
    RegisterClassExW(&windowClass); // fails harmlessly when the class is already there
}

// A template with no controls and no title: the class name, the styles, and a size that the
// window replaces with its own at its density.
std::vector<DWORD> dialogTemplate(const WindowTraits& traits) {
    std::vector<WORD> names{0}; // no menu
    for (const wchar_t* c = traits.className; *c != L'\0'; ++c)
        names.push_back(static_cast<WORD>(*c));
    names.push_back(0);
    names.push_back(0); // no title
    std::vector<DWORD> words((sizeof(DLGTEMPLATE) + names.size() * sizeof(WORD)) / sizeof(DWORD) +
                             1);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = traits.style;
    header->dwExtendedStyle = traits.extendedStyle;
    std::copy(names.begin(), names.end(), reinterpret_cast<WORD*>(header + 1));
    return words;
}

Icon iconAt(int resource, int metric, int dpi) {
    const int size = GetSystemMetricsForDpi(metric, dpi);
    return Icon(static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                              size, size, LR_DEFAULTCOLOR)));
}

} // namespace

Rect WorkArea(HWND window) {
    const HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)
                                    : MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT& work = info.rcWork;
    return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

Rect WindowBox(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

Dialog::Dialog(const WindowTraits& traits, std::span<const ControlRow> rows)
    : m_controls(rows)
    , m_traits(traits) {
    registerClass(traits);
}

Dialog::~Dialog() {
    if (!m_modal && m_window)
        DestroyWindow(m_window);
}

void Dialog::create(HWND owner) {
    const std::vector<DWORD> layout = dialogTemplate(m_traits);
    CreateDialogIndirectParamW(instance(), reinterpret_cast<const DLGTEMPLATE*>(layout.data()),
                               owner, dialogProc, reinterpret_cast<LPARAM>(this));
}

void Dialog::runModal(HWND owner) {
    m_modal = true;
    const std::vector<DWORD> layout = dialogTemplate(m_traits);
    DialogBoxIndirectParamW(instance(), reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
                            dialogProc, reinterpret_cast<LPARAM>(this));
    m_window = nullptr;
}

void Dialog::close() {
    EndDialog(m_window, 0);
}

Size Dialog::clientSize(int dpi) const {
    return PixelSize(m_traits.client.width, m_traits.client.height, dpi);
}

void Dialog::placeCentred(Rect area) {
    const int dpi = m_controls.dpi();
    const Size client = clientSize(dpi);
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&frame, m_traits.style, FALSE, m_traits.extendedStyle, dpi);
    const Rect box = CentredIn({frame.right - frame.left, frame.bottom - frame.top}, area);
    SetWindowPos(m_window, nullptr, box.left, box.top, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::resizeFor(int dpi, const RECT* suggested) {
    const Size client = clientSize(dpi);
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&frame, m_traits.style, FALSE, m_traits.extendedStyle, dpi);
    SetWindowPos(m_window, nullptr, suggested->left, suggested->top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The icons of the title bar and the task bar, drawn for the density; the former ones are
// released once the window no longer uses them.
void Dialog::setIcons(int dpi) {
    Icon small = iconAt(m_traits.iconResource, SM_CXSMICON, dpi);
    Icon big = iconAt(m_traits.iconResource, SM_CXICON, dpi);
    SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    SendMessageW(m_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    m_smallIcon = std::move(small);
    m_bigIcon = std::move(big);
}

INT_PTR CALLBACK Dialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->m_window = window;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR Dialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const int dpi = static_cast<int>(GetDpiForWindow(m_window));
        setIcons(dpi);
        m_controls.create(m_window, dpi);
        const std::span<const ControlRow> rows = m_controls.rows();
        if (const auto button = ButtonForKey(rows, DialogKey::Enter, std::nullopt))
            SendMessageW(m_window, DM_SETDEFID, static_cast<WPARAM>(CommandId(rows[*button])), 0);
        initialise();
        return FALSE; // the window has set the focus itself
    }
    if (const std::optional<INT_PTR> result = handle(message, wParam, lParam))
        return *result;
    switch (message) {
    case WM_SETCURSOR: // the pointer over the window or a control; the cursor is the default one
        m_controls.pointerOver(reinterpret_cast<HWND>(wParam), HIWORD(lParam));
        return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return reinterpret_cast<INT_PTR>(m_controls.colour(reinterpret_cast<HDC>(wParam),
                                                           reinterpret_cast<HWND>(lParam),
                                                           message == WM_CTLCOLOREDIT));
    case WM_DPICHANGED: {
        const int dpi = HIWORD(wParam);
        m_controls.layOut(dpi);
        resizeFor(dpi, reinterpret_cast<const RECT*>(lParam));
        setIcons(dpi);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace ui::win32
