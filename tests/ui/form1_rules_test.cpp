// SPDX-License-Identifier: MIT
// The main window's rules against a window in memory and recorded services.
#include "support/fake_services.h"
#include "ui/main/entry_rules.h"
#include "ui/main/form1_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using namespace ui::form1;

// The controls as a toolkit keeps them. As in a real window, the focus that comes to Text1 from
// another control runs OnTextFocus, and while the window is not active a focus move waits.
struct Window final : View {
    bool isChecked(Control option) const override { return checked == option; }
    void check(Control option) override { checked = option; }
    std::string text(Control c) const override { return texts[c]; }
    void setText(Control c, std::string_view text) override { texts[c] = text, selected = c == Text1 ? 0 : selected; }
    bool hasFocus(Control c) const override { return focus == c; }
    void setFocus(Control c) override {
        if (active && std::exchange(focus, c) != c && c == Text1)
            rules.OnTextFocus();
    }
    void setEntryLimit(int characters) override { limit = characters; }
    void selectEntry(int start, int length) override {
        selected = std::min<int>(start + length, int(texts[Text1].size()));
    }
    void showPicture(const platform::Picture& p, std::string_view name) override {
        picture = std::string(name) + (p.empty() ? "" : " (64x64)");
    }
    void showDialog(Dialog dialog) override { dialogs.push_back(dialog); }

    void enter(Control focused, std::string_view entry, bool year = false) {
        if (year)
            check(Option2), rules.SelectMode(core::QueryMode::BirthYear);
        setFocus(focused);
        setText(Text1, entry);
    }
    // What a person sees: the prompt, the entry [its selection] and its limit, the sign, the
    // picture and the focus; then each message box: its text, title and style.
    std::string seen() const {
        std::string all = "prompt=" + texts[Label3] + " entry=" + texts[Text1] + '[' +
                          texts[Text1].substr(0, selected) + "] limit=" + std::to_string(limit) +
                          " sign=" + texts[Label2] + " picture=" + picture +
                          " focus=" + std::string(focus ? Controls[*focus].name : "-");
        for (const FakeServices::Message& m : services.messages)
            all += " | " + m.text + " @" + m.title + ' ' + std::to_string(int(m.style));
        return all;
    }

    FakeServices services;
    Rules rules{*this, services};
    std::array<std::string, ControlCount> texts;
    Control checked = ControlCount;
    std::optional<Control> focus;
    bool active = true;
    int limit = 0, selected = 0;
    std::string picture;
    std::vector<Dialog> dialogs;
};

// Each script runs from the first screen: age mode, "0" in the entry, the focus on Option1.
TEST(Form1Rules, ChooseTypeAndQueryAsTheScriptsSay) {
    const std::string age = "prompt=请输入您的年龄 entry=", year = "prompt=请输入出生年份 entry=";
    const std::string tooShort = " | 请输入四位出生年份！ @请重输 16";
    // clang-format off
    const struct { const char* name; std::function<void(Window&)> script; std::string seen; } rows[] = {
        {"the first screen", [](Window&) {}, age + "0[] limit=0 sign= picture=无图片 focus=Option1"},
        {"this year's sign at once", [](Window& w) { w.rules.RunQuery(); }, age + "0[] limit=0 sign=马 picture=马 (64x64) focus=Option1"},
        {"the focus prepares the entry", [](Window& w) { w.enter(Command1, "26"); w.rules.RunQuery(); w.setFocus(Text1); }, age + "26[26] limit=3 sign= picture=无图片 focus=Text1"},
        {"a year of 4 digits", [](Window& w) { w.enter(Text1, "1984", true); w.rules.RunQuery(); }, year + "1984[] limit=4 sign=鼠 picture=鼠 (64x64) focus=Text1"},
        {"another mode clears the sign", [](Window& w) { w.rules.RunQuery(); w.enter(Option1, "0", true); }, year + "0[] limit=0 sign= picture=无图片 focus=Option1"},
        {"age 151, from 确定", [](Window& w) { w.enter(Command1, "151"); w.rules.RunQuery(); },
         age + "0[0] limit=3 sign= picture=无图片 focus=Text1 | 请输入小于等于150岁的数字！ @请重输 16"},
        {"year 0999 by Enter in the entry keeps the sign until the focus comes",
         [](Window& w) { w.enter(Text1, "1984", true); w.rules.RunQuery(); w.texts[Text1] = "0999"; w.rules.RunQuery(); },
         year + "0[0] limit=4 sign=鼠 picture=鼠 (64x64) focus=Text1" + tooShort},
        {"year 999 while the window waits for its activation", [](Window& w) { w.enter(Command1, "999", true); w.active = false; w.rules.RunQuery(); },
         year + "0[0] limit=4 sign= picture=无图片 focus=Command1" + tooShort},
        {"an empty entry", [](Window& w) { w.enter(Command1, ""); w.rules.RunQuery(); }, age + "0[0] limit=3 sign= picture=无图片 focus=Text1 | 请输入数字！ @请重输 16"},
        {"a broken picture keeps the sign", [](Window& w) { w.services.brokenPictures = {"生肖图片\\牛1.jpg"}; w.enter(Option2, "1985", true); w.rules.RunQuery(); },
         year + "1985[] limit=0 sign=牛 picture=无图片 focus=Option2"},
        {"no sign for a negative year", [](Window& w) { w.services.year = 3; w.enter(Option1, "5"); w.rules.RunQuery(); }, age + "5[] limit=0 sign= picture=无图片 focus=Option1"},
        {"the plan notice", [](Window& w) { w.rules.MenuItemChosen(MenuAction::PlanNotice); },
         age + "0[] limit=0 sign= picture=无图片 focus=Option1 | " + std::string(PlanNotice) + " @ 0"}};
    // clang-format on
    for (const auto& row : rows) {
        Window w;
        w.rules.Start();
        row.script(w);
        EXPECT_EQ(w.seen(), row.seen) << row.name;
    }
}

TEST(Form1Rules, QuitOnlyOnYesOpenTheDialogsTheMenuNamesAndPopTheMenuOverTheSurfaceOrAtTheFocus) {
    Window w;
    EXPECT_FALSE(w.rules.CloseRequested());
    w.services.answer = platform::Answer::Yes;
    EXPECT_TRUE(w.rules.CloseRequested());
    EXPECT_EQ(w.services.messages.size(), 2u);
    EXPECT_EQ(w.services.programEnds, 1);
    w.rules.MenuItemChosen(MenuAction::AboutProgram);
    w.rules.MenuItemChosen(MenuAction::AboutAuthor);
    EXPECT_EQ(w.dialogs, (std::vector<Dialog>{Dialog::AboutProgram, Dialog::AboutAuthor}));

    const auto click = [&](MouseButton pressed, bool onSurface, MouseButton released) {
        w.rules.MousePressed(pressed, onSurface);
        return w.rules.MouseReleased(released);
    };
    EXPECT_TRUE(click(MouseButton::Right, true, MouseButton::Right));
    EXPECT_FALSE(w.rules.MouseReleased(MouseButton::Right));            // no press before it
    EXPECT_FALSE(click(MouseButton::Right, false, MouseButton::Right)); // over a control
    EXPECT_FALSE(click(MouseButton::Left, true, MouseButton::Left));
    EXPECT_FALSE(click(MouseButton::Right, true, MouseButton::Left));
    EXPECT_TRUE(w.rules.MouseReleased(MouseButton::Right));
    EXPECT_EQ(KeyboardMenuAt(Command2, {10, 20, 30, 41}), (ui::Point{25, 40}));
    EXPECT_EQ(KeyboardMenuAt(std::nullopt, {0, 0, 390, 312}), (ui::Point{195, 156}));
    EXPECT_FALSE(KeyboardMenuAt(Text1, {10, 20, 30, 40}));
}

TEST(EntryRules, DigitsAndBackspacePassAndAnInsertionIsJudgedWhole) {
    for (const char32_t c : {U'0', U'9', U'\b', U'a', U' ', U'-', U'.', U'/', U':', U'\x03', U'\x16', U'\x7F', U'５'})
        EXPECT_EQ(AdmitsCharacter(c), c == U'0' || c == U'9' || c == U'\b') << int(c);
    EXPECT_TRUE(AdmitsInsertion("19845") && AdmitsInsertion(""));
    EXPECT_FALSE(AdmitsInsertion("12ab") || AdmitsInsertion("1 2") || AdmitsInsertion("１９") ||
                 AdmitsInsertion("/19") || AdmitsInsertion("19:"));
}

} // namespace
