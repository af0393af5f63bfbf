// SPDX-License-Identifier: MIT
// The fair floor that the Windows start-up benchmark compares the program with: the main
// window's first frame made the plainest way, without the program's code. A dialog of its own
// class with the same frame, title, icons and manifest, the same twelve themed controls at their
// placed pixel boxes (96 dpi), in the same seven GB2312 faces and colours, and the same focus and
// check; nothing else (no tooltips, menu, COM, entry filter, label measuring or font lookup).
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <utility>

namespace {

constexpr wchar_t ClassName[] = L"FairFloor";
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
constexpr int ClientWidth = 390;
constexpr int ClientHeight = 312;
constexpr int IconId = 1;
constexpr int FrameId = 100;
constexpr int Option1Id = 101;
constexpr int EntryId = 103;
constexpr int Command1Id = 104;
constexpr int PictureId = 111;
constexpr COLORREF NoColour = CLR_INVALID;

struct Face {
    const wchar_t* family;
    double points;
    bool bold;
};

constexpr std::array<Face, 7> Faces{{
    {L"宋体", 10.5, false},
    {L"宋体", 15.75, true},
    {L"新宋体", 18, true},
    {L"幼圆", 15.75, true},
    {L"黑体", 21.75, true},
    {L"方正水柱简体", 15.75, true},
    {L"宋体", 9, true},
}};

struct Row {
    int id;
    const wchar_t* className;
    DWORD style, extendedStyle;
    const wchar_t* text;
    RECT box; // left, top, width, height
    int face; // in Faces, or -1 for none
    COLORREF textColour, background;
    bool inFrame;
};

// In creation order, each with the text it shows in the first frame.
// clang-format off
constexpr std::array<Row, 12> Rows{{
    {FrameId, WC_BUTTONW, BS_GROUPBOX | WS_GROUP, WS_EX_CONTROLPARENT, L"查询条件",
     {67, 24, 257, 65}, 0, NoColour, NoColour, false},
    {Option1Id, WC_BUTTONW, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, L"年龄",
     {16, 19, 49, 33}, 0, NoColour, NoColour, true},
    {102, WC_BUTTONW, BS_AUTORADIOBUTTON, 0, L"出生年", {128, 19, 63, 33}, 0, NoColour, NoColour,
     true},
    {EntryId, WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER | WS_GROUP, 0, L"0",
     {262, 124, 52, 29}, 1, RGB(0xFF, 0x80, 0x00), NoColour, false},
    {Command1Id, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, L"确定",
     {75, 256, 65, 33}, 2, NoColour, NoColour, false},
    {IDCANCEL, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, L"退出", {251, 256, 65, 33},
     2, NoColour, NoColour, false},
    {106, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY | WS_GROUP, 0, L"您的属相是：",
     {78, 192, 132, 25}, 3, RGB(0xFF, 0x00, 0xFF), NoColour, false},
    {107, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY | WS_GROUP, 0, L"",
     {217, 189, 0, 34}, 4, RGB(0x00, 0x00, 0xFF), RGB(0xFF, 0x80, 0x80), false},
    {108, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY | WS_GROUP, 0,
     L"请输入您的年龄", {76, 124, 154, 25}, 5, RGB(0x80, 0x80, 0xFF), NoColour, false},
    {109, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY | WS_GROUP, 0, L"(周岁)",
     {64, 29, 40, 12}, 6, RGB(0x00, 0xC0, 0x00), NoColour, true},
    {110, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY | WS_GROUP, 0, L"(阳历)",
     {189, 29, 40, 12}, 6, RGB(0xFF, 0x80, 0x00), NoColour, true},
    {PictureId, WC_STATICW, SS_OWNERDRAW | SS_NOTIFY | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE,
     L"无图片", {256, 180, 37, 37}, -1, NoColour, NoColour, false},
}};
// clang-format on

std::array<HFONT, Faces.size()> fonts{};
std::array<HWND, Rows.size()> controls{};
HBRUSH labelBackground = nullptr;
WNDPROC buttonProc = nullptr;

// The frame holds the option buttons and two labels: their messages go on to the window.
LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetParent(frame), message, wParam, lParam);
    case WM_NCHITTEST:
        return HTCLIENT;
    default:
        return CallWindowProcW(buttonProc, frame, message, wParam, lParam);
    }
}

const Row* rowOf(HWND control) {
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (controls[i] == control)
            return &Rows[i];
    }
    return nullptr;
}

void createControls(HWND window) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (std::size_t i = 0; i < Faces.size(); ++i) {
        const int height = -static_cast<int>(Faces[i].points * 96 / 72 + 0.5);
        fonts[i] = CreateFontW(height, 0, 0, 0, Faces[i].bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                               FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Faces[i].family);
    }
    labelBackground = CreateSolidBrush(RGB(0xFF, 0x80, 0x80));
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const Row& row = Rows[i];
        controls[i] = CreateWindowExW(
            row.extendedStyle, row.className, row.text, WS_CHILD | WS_VISIBLE | row.style,
            row.box.left, row.box.top, row.box.right, row.box.bottom,
            row.inFrame ? controls[0] : window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
        if (row.face >= 0)
            SendMessageW(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts[row.face]), FALSE);
        if (row.id == EntryId) // no margins, as the main window's entry
            SendMessageW(controls[i], EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    }
    buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(controls[0], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameProc)));
    SendMessageW(controls[1], BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(window, DM_SETDEFID, Command1Id, 0);
}

void setIcons(HWND window) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const auto& [which, metric] :
         {std::pair{ICON_SMALL, SM_CXSMICON}, {ICON_BIG, SM_CXICON}}) {
        const int size = GetSystemMetrics(metric);
        SendMessageW(window, WM_SETICON, which,
                     reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IconId),
                                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    }
}

// Centred on the main screen's work area, as the main window is.
void placeCentred(HWND window) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, Style, FALSE, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        // The main window's title, so that the title bar draws the same.
        SetWindowTextW(window, L"Moltrava1.2    QQ:000000000");
        setIcons(window);
        createControls(window);
        placeCentred(window);
        return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
        const Row* row = rowOf(reinterpret_cast<HWND>(lParam));
        if (!row || row->textColour == NoColour)
            return FALSE;
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, row->textColour);
        if (row->background != NoColour) {
            SetBkColor(dc, row->background);
            return reinterpret_cast<INT_PTR>(labelBackground);
        }
        const int background = message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE;
        SetBkColor(dc, GetSysColor(background));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(background));
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
        if (GetFocus() == item->hwndItem)
            DrawFocusRect(item->hDC, &item->rcItem);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefDlgProcW;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExW(&windowClass))
        return 1;
    // A template with the class's name and the frame's styles, and no controls.
    alignas(DWORD) std::array<WORD, 64> layout{};
    auto* header = reinterpret_cast<DLGTEMPLATE*>(layout.data());
    header->style = Style;
    WORD* name = reinterpret_cast<WORD*>(header + 1) + 1; // after "no menu"
    for (const wchar_t* c = ClassName; *c != L'\0'; ++c)
        *name++ = static_cast<WORD>(*c);
    const HWND window = CreateDialogIndirectParamW(instance, header, nullptr, dialogProc, 0);
    if (!window)
        return 1;
    ShowWindow(window, show);
    SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(controls[1]), TRUE);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
