// SPDX-License-Identifier: MIT
#include "form1.h"

#include "fabout.h"
#include "form2.h"
#include "main_window_class.h"
#include "picture.h"
#include "platform/text_win.h"
#include "resources.h"
#include "ui/main/entry_rules.h"

#include <commctrl.h>
#include <windowsx.h>

namespace ui::win32 {

using namespace form1;

namespace {

constexpr WindowTraits Traits{MOLTRAVA_MAIN_WINDOW_CLASS,
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                                  WS_THICKFRAME,
                              0,
                              ProgramIconId,
                              {ClientWidth, ClientHeight}};
constexpr UINT FirstMenuId = 1;

// The clipboard's text as UTF-8, or nothing.
std::string clipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner))
        return text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = platform::Utf8FromWide(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

MouseButton mouseButton(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

} // namespace

Form1::Form1(platform::PlatformServices& services)
    : Dialog(Traits, Controls)
    , m_services(services)
    , m_rules(*this, services) {
    create(nullptr);
}

Form1::~Form1() {
    // The entry gets its own procedure back before the state that ours reads is gone.
    SetWindowLongPtrW(m_controls[Text1], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_entryProc));
}

void Form1::initialise() {
    SetWindowTextW(window(), platform::WideFromUtf8(Caption()).c_str());
    // A screen reader names a text box by the label just before it.
    SetWindowPos(m_controls[Label3], GetWindow(m_controls[Text1], GW_HWNDPREV), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The entry's own procedure is replaced, not subclassed: see controls.cpp.
    const HWND entry = m_controls[Text1];
    SetWindowLongPtrW(entry, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_entryProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(entry, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(judgedEntryProc)));
    placeCentred(WorkArea(nullptr));
}

std::optional<INT_PTR> Form1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_WINDOWPOSCHANGED:
        // The start-up selection, once the window is on the screen: the focus it sets then
        // activates a window that can be seen, and no input comes before it.
        if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0 &&
            !std::exchange(m_shown, true))
            m_rules.Start();
        return std::nullopt;
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        requestClose();
        return TRUE;
    case WM_QUERYENDSESSION: // the user logging off asks the same question
        SetWindowLongPtrW(window(), DWLP_MSGRESULT, m_rules.CloseRequested());
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
        // Only the window's own surface gets these: every control takes its own clicks. The
        // release goes to whatever received the press.
        m_rules.MousePressed(mouseButton(message), true);
        SetCapture(window());
        return TRUE;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP: {
        ReleaseCapture();
        if (m_rules.MouseReleased(mouseButton(message))) {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(window(), &at);
            popUpMenu(at);
        }
        return TRUE;
    }
    case WM_CONTEXTMENU: // the keyboard's comes at (-1, -1); the mouse's way is the release above
        if (GET_X_LPARAM(lParam) != -1 || GET_Y_LPARAM(lParam) != -1)
            return std::nullopt;
        popUpMenuAtFocus();
        return TRUE;
    case WM_DRAWITEM:
        drawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return std::nullopt;
    }
}

void Form1::command(int id, int notification) {
    if (id == IDCANCEL) { // 退出 or Esc
        requestClose();
        return;
    }
    const std::optional<std::size_t> control = m_controls.fromCommand(id);
    if (control == Text1 && notification == EN_UPDATE)
        judgeEntry();
    if (!control || notification != BN_CLICKED)
        return;
    if (*control == Command1) {
        m_rules.RunQuery();
        return;
    }
    for (const ModeRow& row : Modes) {
        // A click on the option already selected changes nothing.
        if (row.option == *control && row.mode != m_mode) {
            check(row.option);
            m_rules.SelectMode(row.mode);
        }
    }
}

// Whatever asks the window to close, the answer to the question decides.
void Form1::requestClose() {
    if (m_rules.CloseRequested())
        ShowWindow(window(), SW_HIDE);
}

// The menu is made when it is first wanted, not before the window is first drawn.
void Form1::popUpMenu(POINT screen) {
    if (!m_gyabout) {
        m_gyabout.reset(CreatePopupMenu());
        for (UINT item = 0; item < Menu.size(); ++item) {
            AppendMenuW(m_gyabout.get(), MF_STRING, FirstMenuId + item,
                        platform::WideFromUtf8(Menu[item].caption).c_str());
        }
    }
    const UINT chosen = TrackPopupMenu(
        m_gyabout.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, screen.x,
        screen.y, 0, window(), nullptr);
    if (chosen >= FirstMenuId && chosen < FirstMenuId + Menu.size())
        m_rules.MenuItemChosen(Menu[chosen - FirstMenuId].action);
}

// The Menu key or Shift+F10, wherever the focus is but in the entry, which opens its own menu.
void Form1::popUpMenuAtFocus() {
    const std::optional<std::size_t> focus = m_controls.idOf(GetFocus());
    const HWND at = focus ? m_controls[*focus] : window();
    RECT box{};
    GetClientRect(at, &box);
    MapWindowPoints(at, HWND_DESKTOP, reinterpret_cast<POINT*>(&box), 2);
    const std::optional<Point> point =
        KeyboardMenuAt(focus ? std::optional<Control>(Control(*focus)) : std::nullopt,
                       {box.left, box.top, box.right - box.left, box.bottom - box.top});
    if (point)
        popUpMenu({point->x, point->y});
}

// The text that any way of insertion left in the entry: all digits within the mode's limit, or
// refused. The mode's, not the entry's own, which is set only when the focus comes to it: text
// that another program sets before then, or after the mode changed, is judged by the mode too.
void Form1::judgeEntry() {
    const std::string entry = m_controls.text(Text1);
    if (AdmitsInsertion(entry) &&
        entry.size() <= static_cast<std::size_t>(ModeRowOf(m_mode).maxLength))
        m_admittedEntry = entry;
    else
        m_entryRefused = true;
}

void Form1::drawPicture(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!m_picture.empty())
        DrawPicture(item.hDC, item.rcItem, m_picture);
    if (GetFocus() == item.hwndItem)
        DrawFocusRect(item.hDC, &item.rcItem);
}

bool Form1::isChecked(Control option) const {
    return SendMessageW(m_controls[option], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The checked option is the group's stop for Tab, as the dialog manager expects.
void Form1::check(Control option) {
    for (const ModeRow& row : Modes) {
        const HWND button = m_controls[row.option];
        const bool checked = row.option == option;
        SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        const LONG_PTR wanted = checked ? style | WS_TABSTOP : style & ~WS_TABSTOP;
        if (wanted != style)
            SetWindowLongPtrW(button, GWL_STYLE, wanted);
        if (checked)
            m_mode = row.mode;
    }
}

std::string Form1::text(Control control) const {
    return m_controls.text(control);
}

void Form1::setText(Control control, std::string_view text) {
    m_controls.setText(control, text);
}

bool Form1::hasFocus(Control control) const {
    return GetFocus() == m_controls[control];
}

void Form1::setFocus(Control control) {
    SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_controls[control]), TRUE);
}

void Form1::setEntryLimit(int characters) {
    SendMessageW(m_controls[Text1], EM_SETLIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void Form1::selectEntry(int start, int length) {
    m_entrySelection = {start, start + length};
    reselectEntry();
}

void Form1::reselectEntry() const {
    SendMessageW(m_controls[Text1], EM_SETSEL, static_cast<WPARAM>(m_entrySelection.first),
                 m_entrySelection.second);
}

void Form1::showPicture(const platform::Picture& picture, std::string_view name) {
    const bool redraw = !m_picture.empty() || !picture.empty();
    m_picture = picture;
    m_controls.resize(Picture1, picture.empty()
                                    ? std::nullopt
                                    : std::optional<Size>({picture.width, picture.height}));
    if (redraw)
        InvalidateRect(m_controls[Picture1], nullptr, TRUE);
    m_controls.setText(Picture1, name); // what a screen reader says of it
}

void Form1::showDialog(form1::Dialog dialog) {
    if (dialog == form1::Dialog::AboutProgram)
        FAbout(m_services).run(window());
    else
        Form2(m_services).run(window());
}

// Whatever a message to the entry inserts (an input method's, another program's) is judged once
// it is done, EN_UPDATE telling that the text changed; a refusal puts back the text and the
// selection of before.
LRESULT CALLBACK Form1::judgedEntryProc(HWND entry, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(entry, GWLP_USERDATA));
    if (self->m_entryDepth > 0)
        return entryProc(entry, message, wParam, lParam);
    DWORD start = 0, end = 0;
    CallWindowProcW(self->m_entryProc, entry, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                    reinterpret_cast<LPARAM>(&end));
    ++self->m_entryDepth;
    const LRESULT result = entryProc(entry, message, wParam, lParam);
    --self->m_entryDepth;
    if (std::exchange(self->m_entryRefused, false)) {
        self->m_controls.setText(Text1, self->m_admittedEntry);
        CallWindowProcW(self->m_entryProc, entry, EM_SETSEL, start, static_cast<LPARAM>(end));
        MessageBeep(MB_OK);
    }
    return result;
}

// The key filter and the paste judged whole; the entry is prepared when the focus comes to it
// from another control of the window, not when it returns from another window or a box.
LRESULT CALLBACK Form1::entryProc(HWND entry, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(entry, GWLP_USERDATA));
    const auto base = [&] {
        return CallWindowProcW(self->m_entryProc, entry, message, wParam, lParam);
    };
    switch (message) {
    case WM_KEYDOWN:
        // Wine's edit control pastes on Shift+Insert without a WM_PASTE, unlike its menu's Paste;
        // sent here, the paste is judged whole before the limit cuts it, on Windows as on Wine.
        if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0)
            return SendMessageW(entry, WM_PASTE, 0, 0);
        break;
    case WM_CHAR:
        if (!AdmitsCharacter(static_cast<char32_t>(wParam))) {
            MessageBeep(MB_OK);
            return 0;
        }
        break;
    case WM_PASTE:
        if (!AdmitsInsertion(clipboardText(entry))) {
            MessageBeep(MB_OK);
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        const LRESULT result = base();
        const auto from = reinterpret_cast<HWND>(wParam);
        if (from && IsChild(self->window(), from))
            self->m_rules.OnTextFocus();
        return result;
    }
    case WM_LBUTTONDOWN: {
        // The click that brings the focus would otherwise place the caret and drop the
        // selection the window has just made.
        self->m_focusingClick = GetFocus() != entry;
        const LRESULT result = base();
        if (self->m_focusingClick)
            self->reselectEntry();
        return result;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = base();
        if (std::exchange(self->m_focusingClick, false))
            self->reselectEntry();
        return result;
    }
    default:
        break;
    }
    return base();
}

} // namespace ui::win32
