// SPDX-License-Identifier: MIT
#include "fabout.h"

#include "platform/text_win.h"
#include "resources.h"
#include "ui/dialogs/sys_info.h"

namespace ui::win32 {

using namespace fabout;

namespace {

constexpr WindowTraits Traits{L"fAbout",
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                              WS_EX_DLGMODALFRAME,
                              ProgramIconId,
                              {ClientWidth, ClientHeight}};
constexpr int IconSize = 32; // device-independent pixels

} // namespace

FAbout::FAbout(platform::PlatformServices& services)
    : Dialog(Traits, Controls)
    , m_services(services) {}

void FAbout::run(HWND owner) {
    m_owner = owner;
    runModal(owner);
}

void FAbout::initialise() {
    m_controls.resize(picIcon, Size{IconSize, IconSize});
    m_controls.setText(picIcon, IconName);
    Load(*this);
    SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_controls[cmdOK]), TRUE);
    placeCentred(WindowBox(m_owner));
}

// The design height, unless the warning's last line reaches below it.
Size FAbout::clientSize(int dpi) const {
    const Rect text = m_controls.box(lblDisclaimer);
    const int bottom = MulDiv(text.top + text.height, StandardDpi, dpi);
    return {Pixels(ClientWidth, dpi), Scaled(FittedHeight(Pixels(ClientHeight), bottom), dpi)};
}

std::optional<INT_PTR> FAbout::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) // 确定, Enter, Esc and the close box
            close();
        else if (m_controls.fromCommand(LOWORD(wParam)) == cmdSysInfo &&
                 HIWORD(wParam) == BN_CLICKED)
            StartSysInfo(m_services);
        return TRUE;
    case WM_PAINT:
        paintLines();
        return TRUE;
    case WM_DRAWITEM:
        drawIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return std::nullopt;
    }
}

// The etched separator above the buttons, clipped at the right edge.
void FAbout::paintLines() const {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window(), &paint);
    const int dpi = m_controls.dpi();
    for (const LineRow& line : Line1) {
        const RECT box{Pixels(line.x1, dpi), Pixels(line.y1, dpi), Pixels(line.x2, dpi),
                       Pixels(line.y1, dpi) + Scaled(line.widthPixels, dpi)};
        const Brush brush(CreateSolidBrush(ToColorRef(line.colour)));
        FillRect(dc, &box, brush.get());
    }
    EndPaint(window(), &paint);
}

void FAbout::drawIcon(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const int size = Scaled(IconSize, m_controls.dpi());
    const Icon icon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ProgramIconId),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon.get(), size, size, 0, nullptr,
               DI_NORMAL);
    if (GetFocus() == item.hwndItem)
        DrawFocusRect(item.hDC, &item.rcItem);
}

void FAbout::setCaption(std::string_view caption) {
    SetWindowTextW(window(), platform::WideFromUtf8(caption).c_str());
}

void FAbout::setText(Control control, std::string_view text) {
    m_controls.setText(control, text);
}

} // namespace ui::win32
