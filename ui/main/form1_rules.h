// SPDX-License-Identifier: MIT
// How the main window behaves, whatever draws it: the front end turns its events into these
// calls, and the rules read and write the controls through the window's view.
#pragma once

#include "form1_layout.h"
#include "platform/platform_services.h"
#include "ui/layout/geometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace ui::form1 {

enum class Dialog { AboutProgram, AboutAuthor };
enum class MouseButton { Left, Middle, Right };

// The main window's controls as the rules see them.
class View {
public:
    virtual ~View() = default;

    [[nodiscard]] virtual bool isChecked(Control option) const = 0;
    // Selects an option button, clearing the other, without running SelectMode.
    virtual void check(Control option) = 0;
    [[nodiscard]] virtual std::string text(Control control) const = 0; // UTF-8
    virtual void setText(Control control, std::string_view text) = 0;
    [[nodiscard]] virtual bool hasFocus(Control control) const = 0;
    // Where the focus comes to Text1 from another control of the window, the front end runs
    // OnTextFocus; it may arrive only later, when the window system activates the window.
    virtual void setFocus(Control control) = 0;
    virtual void setEntryLimit(int characters) = 0;
    virtual void selectEntry(int start, int length) = 0;
    // Shows a picture in Picture1, which takes its size; the empty picture clears it. `name` is
    // what a screen reader says of it.
    virtual void showPicture(const platform::Picture& picture, std::string_view name) = 0;
    // Shows a dialog modal to the application and returns when it has closed.
    virtual void showDialog(Dialog dialog) = 0;
};

// The window's caption: the program's name, its release and the author's QQ number.
[[nodiscard]] std::string Caption();

// Where the Menu key or Shift+F10 pops the window's menu up, given the focused control (none: the
// window itself) and its box: at the box's centre. Nowhere in the entry, which keeps its own edit
// menu for these keys.
[[nodiscard]] constexpr std::optional<Point> KeyboardMenuAt(std::optional<Control> focus,
                                                            Rect box) {
    if (focus == Text1)
        return std::nullopt;
    return Point{box.left + box.width / 2, box.top + box.height / 2};
}

class Rules {
public:
    Rules(View& view, platform::PlatformServices& services);

    // Once, when the window is first shown: the focus on Option1, which is selected.
    void Start();
    // Switches the kind of entry: new prompt, entry "0", result cleared.
    void SelectMode(core::QueryMode mode);
    // Prepares the entry each time the focus comes to it from another control.
    void OnTextFocus();
    // Evaluates the entry and shows the sign, or the rejection.
    void RunQuery();
    // Asks whether to quit; true when the answer ended the program.
    [[nodiscard]] bool CloseRequested();
    void MenuItemChosen(MenuAction action);
    // A mouse button pressed over the window, `onSurface` where no control covers it.
    void MousePressed(MouseButton button, bool onSurface);
    // True when the release should pop the menu up at the pointer: the right button, pressed
    // over the window's own surface too, as a release goes to whatever received the press.
    [[nodiscard]] bool MouseReleased(MouseButton button);

    [[nodiscard]] core::QueryMode Mode() const;

private:
    void clearResult();

    View& m_view;
    platform::PlatformServices& m_services;
    bool m_rightPressOnSurface = false;
};

} // namespace ui::form1
