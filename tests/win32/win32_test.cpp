// SPDX-License-Identifier: MIT
// The Windows program's own windows, made in this process and driven by messages as the system
// delivers them; dialogs and message boxes are met inside their own wait for input.
#include "platform/text_win.h"
#include "support/fake_services.h"
#include "support/huge_jpeg.h"
#include "ui/dialogs/fabout_layout.h"
#include "ui/dialogs/form2_layout.h"
#include "ui/layout/faces.h"
#include "ui/win32/form1.h"
#include "ui/win32/services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

namespace {

using namespace ui::form1;
using platform::Utf8FromWide;
using Step = std::function<void(HWND)>;

// A key pressed where the focus is, as the message loop hands it to the dialog manager.
void key(HWND window, WPARAM virtualKey, bool shift = false) {
    BYTE state[256] = {};
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    MSG message{GetFocus(), UINT(virtualKey == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN), virtualKey, 1, 0, {}};
    if (!IsDialogMessageW(window, &message))
        DispatchMessageW(&message);
}

std::string text(HWND window, int id = 0) {
    wchar_t text[128] = {};
    id ? GetDlgItemTextW(window, id, text, 128) : GetWindowTextW(window, text, 128);
    return Utf8FromWide(text);
}

// The controls whose own font is not the one their table asks for at `dpi`: a face that stands for
// the family, the character height of its size in pixels, and its weight; empty when none.
std::string wrongFonts(HWND window, std::span<const ui::ControlRow> rows, int dpi) {
    std::string wrong;
    for (const ui::ControlRow& row : rows) {
        if (row.font.family.empty())
            continue;
        std::pair<int, HWND> control{ui::win32::CommandId(row), nullptr}; // found among the frames' too
        EnumChildWindows(
            window,
            [](HWND child, LPARAM found) {
                auto& [id, control] = *reinterpret_cast<std::pair<int, HWND>*>(found);
                control = GetDlgCtrlID(child) == id ? child : control;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&control));
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control.second, WM_GETFONT, 0, 0)), sizeof font, &font);
        const std::string face = Utf8FromWide(font.lfFaceName);
        const auto names = std::find_if(ui::Faces.begin(), ui::Faces.end(),
                                        [&](const ui::FaceRow& f) { return f.family == row.font.family; });
        const bool stands = face == row.font.family || (names != ui::Faces.end() && !face.empty() &&
                                                        (face == names->english || face == names->windows));
        if (!stands || font.lfHeight != -std::lround(row.font.points * dpi / 72) ||
            font.lfWeight != (row.font.bold ? FW_BOLD : FW_NORMAL))
            wrong += ' ' + std::string(row.name) + '=' + face + ' ' + std::to_string(font.lfHeight) + ' ' +
                     std::to_string(font.lfWeight);
    }
    return wrong;
}

// Runs each step on the next dialog or message box that becomes active, once its own wait for
// input has begun; a step that closes it ends that wait. A window may be activated more than once
// (when a box of its own closes, or as the system settles): it gets one step, the first.
// Activation that leaves the thread names no window.
struct WhenActive {
    explicit WhenActive(std::vector<Step> steps) { s_steps = std::move(steps); }
    ~WhenActive() { UnhookWindowsHookEx(m_hook); }
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto window = reinterpret_cast<HWND>(wParam);
        wchar_t name[8] = {};
        GetClassNameW(window, name, 8);
        if (code == HCBT_ACTIVATE && window && std::wstring_view(name) != L"Form1" && !GetPropW(window, Stepped)) {
            SetPropW(window, Stepped, window);
            SetTimer(window, 1, 0, [](HWND active, UINT, UINT_PTR timer, DWORD) {
                KillTimer(active, timer);
                if (s_steps.empty())
                    return;
                const Step step = std::move(s_steps.front());
                s_steps.erase(s_steps.begin());
                step(active);
            });
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static constexpr const wchar_t* Stepped = L"moltrava.test.stepped";
    static inline std::vector<Step> s_steps;
    HHOOK m_hook = SetWindowsHookExW(WH_CBT, hook, nullptr, GetCurrentThreadId());
};

struct Window {
    FakeServices services;
    ui::win32::Form1 form{services};

    Window() { s_menuAt.clear(), ShowWindow(form.window(), SW_SHOW); }
    HWND operator[](Control c) const { return form.controls()[c]; }
    static Control named(std::string_view name) {
        return Control(
            std::find_if(Controls.begin(), Controls.end(), [&](const auto& row) { return row.name == name; })->id);
    }

    // Runs steps, separated by semicolons, each a verb and its argument.
    void run(const std::string& script) {
        const HWND window = form.window();
        const auto type = [](std::wstring_view characters) {
            for (const wchar_t c : characters)
                SendMessageW(GetFocus(), WM_CHAR, c, 1);
        };
        std::istringstream steps(script);
        for (std::string step; std::getline(steps, step, ';');) {
            const std::string verb = step.substr(0, step.find(' ')),
                              argument = step.substr(verb.size() + (verb != step));
            const std::wstring wide(argument.begin(), argument.end());
            const std::map<std::string, WPARAM> keys{{"Tab", VK_TAB},      {"Right", VK_RIGHT},   {"Esc", VK_ESCAPE},
                                                     {"Enter", VK_RETURN}, {"Insert", VK_INSERT}, {"F10", VK_F10}};
            const bool shift = argument.starts_with("Shift+");
            if (verb == "key")
                key(window, keys.at(argument.substr(shift ? 6 : 0)), shift);
            else if (verb == "apps") // the Menu key, as the system hands it to the focus
                SendMessageW(GetFocus(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetFocus()), -1);
            else if (verb == "type")
                type(wide);
            else if (verb == "ctrl") // the control codes of Ctrl and the letters
                std::for_each(wide.begin(), wide.end(),
                              [&](wchar_t c) { type(std::wstring(1, wchar_t(c - L'A' + 1))); });
            else if (verb == "clipboard" && OpenClipboard(nullptr) && EmptyClipboard()) {
                const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
                *std::copy(wide.begin(), wide.end(), static_cast<wchar_t*>(GlobalLock(memory))) = L'\0';
                GlobalUnlock(memory);
                SetClipboardData(CF_UNICODETEXT, memory);
                CloseClipboard();
            } else if (verb == "insert") // what an input method or another program puts in
                SendMessageW(GetFocus(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
            else if (verb == "settext") // another program sets the entry's text
                SendMessageW((*this)[Text1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
            else if (verb == "click")
                SendMessageW((*this)[named(argument)], BM_CLICK, 0, 0);
            else if (verb == "rclick") // the right button over each control, to whatever the system finds there
                for (const ui::ControlRow& row : Controls) {
                    POINT at{3, 3};
                    ClientToScreen((*this)[Control(row.id)], &at);
                    const HWND under = WindowFromPoint(at);
                    ScreenToClient(under, &at);
                    const std::size_t menus = s_menuAt.size();
                    run("choose 0");
                    SendMessageW(under, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
                    SendMessageW(under, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
                    KillTimer(window, 1); // when no menu came up to take it
                    s_menuAt += s_menuAt.size() == menus ? "" : " over " + std::string(row.name);
                }
            else if (verb == "yes")
                services.answer = platform::Answer::Yes;
            else if (verb == "close")
                SendMessageW(window, WM_CLOSE, 0, 0);
            else if (verb == "away") { // another window has the focus a while
                const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr,
                                                   nullptr, nullptr, nullptr);
                SetActiveWindow(other);
                DestroyWindow(other);
                SetActiveWindow(window);
            } else if (verb == "choose" || verb == "menu") { // once a menu is open: its items and place, then
                s_item = std::stoi(argument);                // the item by the arrow keys, or 0 for Esc
                SetTimer(window, 1, 0, [](HWND owner, UINT, UINT_PTR timer, DWORD) {
                    KillTimer(owner, timer);
                    const HWND menu = FindWindowW(L"#32768", nullptr);
                    RECT box{};
                    MapWindowPoints(menu, owner, reinterpret_cast<POINT*>(&box), 1);
                    // The window's own menu by its items; any other is the entry's, whose items each system has its own
                    const HMENU items = HMENU(SendMessageW(menu, MN_GETHMENU, 0, 0));
                    wchar_t first[16] = {};
                    GetMenuStringW(items, 0, first, 16, MF_BYPOSITION);
                    const bool own = GetMenuItemCount(items) == 3 && Utf8FromWide(first) == "关于本软件";
                    s_menuAt += (own ? " gyabout" : " edit menu") + (" at " + std::to_string(box.left)) + ',' +
                                std::to_string(box.top);
                    for (int i = 0; i < s_item; ++i)
                        PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 1);
                    PostMessageW(owner, WM_KEYDOWN, s_item ? VK_RETURN : VK_ESCAPE, 1);
                });
                if (verb == "menu") { // the right button over the bare window
                    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(8, 300));
                    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(8, 300));
                }
            } else if (verb == "logoff") // the system asks before the user's session ends
                s_menuAt += " logoff=" + std::to_string(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
        }
    }
    // What a person sees: the prompt, the entry [its selection], the sign, the picture by its
    // name and size, the focus, and each message box shown: its text, title and style.
    std::string seen() const {
        DWORD start = 0, end = 0;
        SendMessageW((*this)[Text1], EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const ui::Rect picture = form.controls().box(Picture1);
        const auto focus = form.controls().idOf(GetFocus());
        std::ostringstream all;
        all << "prompt=" << text((*this)[Label3]) << " entry=" << text((*this)[Text1]) << '['
            << text((*this)[Text1]).substr(start, end - start) << "] sign=" << text((*this)[Label2])
            << " picture=" << text((*this)[Picture1]) << ' ' << picture.width << 'x' << picture.height
            << " focus=" << (focus ? Controls[*focus].name : "-") << std::exchange(s_menuAt, "");
        for (const FakeServices::Message& m : services.messages)
            all << " | " << m.text << " @" << m.title << ' ' << int(m.style);
        return all.str();
    }
    static inline int s_item = 0;
    static inline std::string s_menuAt; // where the menu opened, and the answers to the system
};

// Keys through the dialog manager, characters and pastes through the entry's filter, clicks and
// the close box reach the rules; every row starts from the first screen.
TEST(Form1Window, EventsReachTheRules) {
    const std::string age = "prompt=请输入您的年龄 entry=", year = "prompt=请输入出生年份 entry=";
    const std::string asked = " | 真的要退出吗？ @退出 52", none = " picture=无图片 37x37";
    // clang-format off
    const struct { const char* script; std::string seen; int ends; } rows[] = {
        {"", age + "0[] sign=" + none + " focus=Option1", 0},
        {"key Tab;type 1a 9-.25", age + "192[] sign=" + none + " focus=Text1", 0},
        {"key Tab;type 12;clipboard 7;ctrl VXZCA;clipboard 12ab;key Shift+Insert;settext 1234;settext 1a", age + "12[] sign=" + none + " focus=Text1", 0},
        {"key Right;key Tab;clipboard 19845;key Shift+Insert;key Enter;click Option2", year + "1984[] sign=鼠 picture=鼠 68x68 focus=Option2", 0},
        {"key Right;key Tab;clipboard 19a4;key Shift+Insert;insert 8a", year + "0[0] sign=" + none + " focus=Text1", 0},
        {"key Tab;type 151;click Command1", age + "0[0] sign=" + none + " focus=Text1 | 请输入小于等于150岁的数字！ @请重输 16", 0},
        {"key Tab;type 26;key Enter;away", age + "26[] sign=龙 picture=龙 68x68 focus=Text1", 0},
        {"key Tab;type 42;key Esc", age + "42[] sign=" + none + " focus=Text1" + asked, 0},
        {"key Tab;key Tab;key Tab;yes;key Enter", age + "0[0] sign=" + none + " focus=-" + asked, 1},
        {"close;yes;close", age + "0[] sign=" + none + " focus=-" + asked + asked, 1},
        {"menu 3", age + "0[] sign=" + none + " focus=Option1 gyabout at 8,300 | " + std::string(PlanNotice) + " @ 0", 0},
        // The Menu key and Shift+F10: the menu at the focused control, or the entry's own
        {"choose 3;apps;key Tab;choose 0;key Shift+F10;key Tab;choose 0;key Shift+F10", age + "0[0] sign=" + none +
         " focus=Command1 gyabout at 107,59 edit menu at 288,138 gyabout at 107,272 | " + std::string(PlanNotice) + " @ 0", 0},
        // Text that another program sets: digits within the mode's limit, whatever the entry's own
        {"settext 1234;settext 12a", age + "0[] sign=" + none + " focus=Option1", 0},
        {"key Right;key Tab;click Option1;settext 123;settext 1234;settext 1a", age + "123[] sign=" + none + " focus=Option1", 0},
        {"key Tab;click Option2;settext 19845;settext 1984", year + "1984[] sign=" + none + " focus=Option2", 0},
        // Only the bare window opens the menu, not a right click on a control; the entry has its own
        {"key Tab;type 26;key Enter;rclick", age + "26[] sign=龙 picture=龙 68x68 focus=Text1 edit menu at 265,127 over Text1", 0},
        {"logoff;yes;logoff", age + "0[] sign=" + none + " focus=Option1 logoff=0 logoff=1" + asked + asked, 1}};
    // clang-format on
    for (const auto& row : rows) {
        Window w;
        w.run(row.script);
        EXPECT_EQ(w.seen(), row.seen) << row.script;
        EXPECT_EQ(w.services.programEnds, row.ends) << row.script;
    }
}

// Each control stands where its table puts it and takes the mouse over it, so that only the bare
// window opens the menu; on a screen of twice the density, all of it is twice as large. The tips
// are made when the pointer first comes over a control that has one.
TEST(Form1Window, ControlsStandWhereTheirTablesPutThemAtAnyDensityAndTakeTheirOwnClicks) {
    Window w;
    EXPECT_FALSE(FindWindowW(TOOLTIPS_CLASSW, nullptr));
    SendMessageW(w[Label4], WM_SETCURSOR, WPARAM(w[Label4]), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const HWND tips = FindWindowW(TOOLTIPS_CLASSW, nullptr);
    EXPECT_EQ(GetWindow(tips, GW_OWNER), w.form.window());
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 4);
    for (const ui::ControlRow& row : Controls) { // each control's own tip, or none
        wchar_t tip[64] = {};
        TTTOOLINFOW tool{sizeof tool, 0, w.form.window(), UINT_PTR(w[Control(row.id)]), {}, nullptr, tip, 0, nullptr};
        SendMessageW(tips, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(Utf8FromWide(tip), row.toolTip) << row.name;
    }
    EXPECT_EQ(wrongFonts(w.form.window(), Controls, 96), "");
    for (const Control c : {frame1, Text1, Label1, Picture1}) {
        POINT inside{3, 3};
        ClientToScreen(w[c], &inside);
        EXPECT_EQ(WindowFromPoint(inside), w[c]) << Controls[c].name;
    }
    POINT bare{8, 300};
    ClientToScreen(w.form.window(), &bare);
    EXPECT_EQ(WindowFromPoint(bare), w.form.window());
    const auto boxes = [&] {
        std::ostringstream all;
        for (const Control c : {frame1, Option2, Text1, Command2, Picture1, Label3, Label2}) {
            const ui::Rect box = w.form.controls().box(c);
            all << box.left << ',' << box.top << ' ' << box.width << 'x' << box.height << ' ';
        }
        return all.str();
    };
    w.run("key Right;key Tab;type 1984;key Enter");
    SetWindowPos(w.form.window(), nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER); // the controls stay put
    EXPECT_GE(short(LOWORD(SendMessageW(w[Text1], EM_POSFROMCHAR, 0, 0))), 0); // the first digit not scrolled away
    EXPECT_EQ(boxes(), "67,24 257x65 128,19 63x33 262,124 52x29 251,256 65x33 256,180 68x68 76,124 154x25 "
                       "217,189 30x34 ");
    RECT suggested{0, 0, 800, 700};
    SendMessageW(w.form.window(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    // Twips rounded at the density, not pixels doubled; the prompt fits its text in a font hinted anew.
    EXPECT_EQ(wrongFonts(w.form.window(), Controls, 192), "");
    EXPECT_EQ(boxes(), "133,48 514x130 256,37 125x66 524,248 104x58 501,512 130x66 512,360 132x132 152,248 301x49 "
                       "434,379 59x68 ");
}

// What a screen reader says of each control: buttons and options by their captions, the entry by
// its prompt, labels by their live text, the picture by what it shows.
TEST(Form1Window, AScreenReaderNamesEveryControl) {
    Window w;
    w.run("key Tab;type 26;key Enter");
    std::string names;
    for (const ui::ControlRow& row : Controls) {
        IAccessible* accessible = nullptr;
        AccessibleObjectFromWindow(w[Control(row.id)], DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&accessible));
        ASSERT_TRUE(accessible) << row.name;
        VARIANT self{};
        self.vt = VT_I4;
        BSTR name = nullptr;
        accessible->get_accName(self, &name);
        names += std::string(row.name) + '=' + (name ? Utf8FromWide(name) : "") + ' ';
        SysFreeString(name);
        accessible->Release();
    }
    EXPECT_EQ(names, "frame1=查询条件 Option1=年龄 Option2=出生年 Text1=请输入您的年龄 Command1=确定 Command2=退出 "
                     "Label1=您的属相是： "
                     "Label2=龙 Label3=请输入您的年龄 Label4=(周岁) Label5=(阳历) Picture1=龙 ");
}

// The menu opens each dialog modal: the main window takes no input until it closes. 系统信息
// starts the tool (or says it is unavailable) and leaves fAbout open; Esc and Enter close fAbout,
// not Form2, whose buttons open their pages and which closes through its frame.
TEST(Form1Window, TheMenuOpensEachDialogModalAndPlaced) {
    Window w;
    SetWindowPos(w.form.window(), nullptr, 37, 11, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    std::vector<std::string> seen;
    // Centred but for rounding, and every control in the font its table asks for.
    const auto note = [&](HWND dialog, ui::Rect area, std::span<const ui::ControlRow> rows) {
        const ui::Rect box = ui::win32::WindowBox(dialog);
        const bool centred = std::abs(2 * box.left + box.width - 2 * area.left - area.width) <= 2 &&
                             std::abs(2 * box.top + box.height - 2 * area.top - area.height) <= 2;
        const bool taskBar = GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW;
        seen.push_back(text(dialog) + (taskBar ? " in the task bar" : "") + (centred ? " centred" : " elsewhere") +
                       (IsWindowEnabled(w.form.window()) ? " modeless" : "") + " focus=" + text(GetFocus()) +
                       wrongFonts(dialog, rows, int(GetDpiForWindow(dialog))));
    };
    const WhenActive steps(
        {[&](HWND about) {
             note(about, ui::win32::WindowBox(w.form.window()), ui::fabout::Controls);
             for (const WPARAM k : {VK_TAB, VK_TAB, VK_RETURN, VK_ESCAPE}) // to 系统信息, past the icon
                 key(about, k);
         },
         [&](HWND about) { key(about, VK_RETURN); },
         [&](HWND author) {
             note(author, ui::win32::WorkArea(author), ui::form2::Controls);
             for (const WPARAM k : {VK_ESCAPE, VK_RETURN, VK_TAB, VK_RETURN})
                 key(author, k);
             seen.push_back(IsWindow(author) ? "open" : "closed");
             SendMessageW(author, WM_CLOSE, 0, 0);
         }});
    w.run("menu 1;menu 1;menu 2");
    EXPECT_EQ(seen, (std::vector<std::string>{"关于 Moltrava V1.2 centred focus=确定",
                                              "关于作者 in the task bar centred focus=百度博客", "open"}));
    EXPECT_EQ(w.services.messages.size(), 1u); // the tool is unavailable
    EXPECT_EQ(w.services.launches,
              (std::vector<std::string>{"web https://blog.example.org/", "web https://www.example.com/"}));
    EXPECT_TRUE(IsWindowEnabled(w.form.window()));
}

// Each text of the three windows, and every sign and digit, is whole in a face that stands for the
// one its control asks for, never one that GDI's mapper picks at will.
TEST(Fonts, EveryTextIsWholeInAFaceItsTableAsksFor) {
    ui::win32::FontCache fonts;
    const HDC dc = CreateCompatibleDC(nullptr);
    std::wstring shownLater = L"请输入出生年份0123456789";
    for (const core::SignEntry& sign : core::SignTable)
        shownLater += platform::WideFromUtf8(sign.caption);
    std::set<std::string> faces;
    for (const auto rows :
         {std::span<const ui::ControlRow>(Controls), std::span<const ui::ControlRow>(ui::fabout::Controls),
          std::span<const ui::ControlRow>(ui::form2::Controls)}) {
        for (const ui::ControlRow& row : rows) {
            if (row.font.family.empty())
                continue;
            SelectObject(dc, fonts.get(row.font, 96));
            std::vector<char> metrics(GetOutlineTextMetricsW(dc, 0, nullptr)); // the face GDI chose
            auto* outline = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
            GetOutlineTextMetricsW(dc, UINT(metrics.size()), outline);
            faces.insert(
                Utf8FromWide(reinterpret_cast<const wchar_t*>(metrics.data() + std::size_t(outline->otmpFamilyName))));
            const std::wstring all = platform::WideFromUtf8(row.caption) + shownLater;
            std::vector<WORD> glyphs(all.size());
            GetGlyphIndicesW(dc, all.c_str(), int(all.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
            EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), 0xFFFF), 0) << row.name;
        }
    }
    DeleteDC(dc);
    EXPECT_EQ(faces,
              (std::set<std::string>{"文鼎ＰＬ简报宋", "文泉驿微米黑"})); // AR PL SungtiL GB, WenQuanYi Micro Hei
}

// Each style's title, icon and buttons as Windows draws them, its owner, and the answer.
TEST(Services, MessageBoxesLookAndAnswerAsTheirStyleSays) {
    using platform::MessageStyle;
    Window w; // the box belongs to the window the user works in
    ui::win32::Services services;
    std::string shown;
    const auto answer = [&](int button) {
        return [&, button](HWND box) {
            const auto icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 0x440, STM_GETICON, 0, 0));
            shown = text(box, 0xFFFF) + '|' + text(box) + '|' +
                    (icon == LoadIconW(nullptr, IDI_HAND)          ? "stop"
                     : icon == LoadIconW(nullptr, IDI_EXCLAMATION) ? "!"
                                                                   : "-");
            for (const int id : {IDOK, IDYES, IDNO, IDCANCEL})
                shown += GetDlgItem(box, id) ? '|' + text(box, id) : "";
            shown += GetWindow(box, GW_OWNER) == w.form.window() ? "" : "|unowned";
            PostMessageW(box, WM_COMMAND, button, 0);
        };
    };
    // clang-format off
    const struct { MessageStyle style; const char* title; int button; std::string seen; } rows[] = {
        {MessageStyle::Ok, "", IDOK, "?|Moltrava V1.2|-|确定=0"}, {MessageStyle::OkStop, "请重输", IDOK, "?|请重输|stop|确定=0"},
        {MessageStyle::YesNoExclamation, "退出", IDYES, "?|退出|!|是(&Y)|否(&N)=1"},
        {MessageStyle::YesNoExclamation, "退出", IDNO, "?|退出|!|是(&Y)|否(&N)=2"}};
    // clang-format on
    for (const auto& row : rows) {
        const WhenActive step({answer(row.button)});
        const platform::Answer given = services.showMessage("?", row.style, row.title);
        EXPECT_EQ(shown + '=' + std::to_string(int(given)), row.seen);
    }
}

// Every sign's picture from its stored path; a file that is not a picture gives an empty one and
// the reason, and none is read at any size its file claims (Wine's decoder refuses that one
// before its size can be asked).
TEST(Services, PicturesAreReadOrRefusedWithTheirReason) {
    namespace fs = std::filesystem;
    ui::win32::Services services;
    for (const core::SignEntry& sign : core::SignTable) {
        const auto loaded = services.loadPicture("Z:" MOLTRAVA_ASSETS_DIR "\\" + std::string(sign.picturePath));
        EXPECT_EQ(loaded.error + std::to_string(loaded.picture.width) + 'x' +
                      std::to_string(loaded.picture.pixels.size()),
                  "64x4096");
    }
    const fs::path folder = fs::temp_directory_path() / ("moltrava-pictures-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder / "folder.jpg");
    std::ofstream(folder / "huge.jpg", std::ios::binary) << HugeJpeg;
    std::ofstream(folder / "empty.jpg", std::ios::binary).close();
    // A bitmap's header that claims 60000 x 60000 pixels of 24 bits, with none following.
    std::ofstream(folder / "huge.bmp", std::ios::binary)
        << std::string_view("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x60\xEA\0\0\x60\xEA\0\0\1\0\x18\0"
                            "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0",
                            54);
    std::string reasons;
    for (const char* name : {"folder.jpg", "missing.jpg", "huge.jpg", "empty.jpg", "huge.bmp"}) {
        const auto loaded = services.loadPicture((folder / name).string());
        reasons +=
            loaded.error.substr(0, loaded.error.find((folder / name).string())) + (loaded.picture.empty() ? "|" : "!|");
    }
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
    EXPECT_EQ(reasons, std::string("找不到图片文件：|找不到图片文件：|") +
                           (wine ? "无法读取图片文件：" : "图片太大：") + "|无法读取图片文件：|图片太大：|");
    fs::remove_all(folder);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    return RUN_ALL_TESTS();
}
