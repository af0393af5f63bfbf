// SPDX-License-Identifier: MIT
#pragma once

#include "dialog.h"
#include "ui/main/form1_rules.h"

namespace ui::win32 {

// The main window: choose age or birth year, type a number, and see the sign and its animal.
class Form1 final : public Dialog, private form1::View {
public:
    // Creates the window, hidden; the program shows it and passes its messages through the
    // dialog manager (IsDialogMessageW).
    explicit Form1(platform::PlatformServices& services);
    ~Form1() override;

private:
    std::optional<INT_PTR> handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void initialise() override;
    void command(int id, int notification);
    void requestClose();
    void popUpMenu(POINT screen);
    void popUpMenuAtFocus();
    void judgeEntry();
    void drawPicture(const DRAWITEMSTRUCT& item) const;
    void reselectEntry() const;
    static LRESULT CALLBACK entryProc(HWND entry, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK judgedEntryProc(HWND entry, UINT message, WPARAM wParam, LPARAM lParam);

    // form1::View
    bool isChecked(form1::Control option) const override;
    void check(form1::Control option) override;
    std::string text(form1::Control control) const override;
    void setText(form1::Control control, std::string_view text) override;
    bool hasFocus(form1::Control control) const override;
    void setFocus(form1::Control control) override;
    void setEntryLimit(int characters) override;
    void selectEntry(int start, int length) override;
    void showPicture(const platform::Picture& picture, std::string_view name) override;
    void showDialog(form1::Dialog dialog) override;

    platform::PlatformServices& m_services;
    form1::Rules m_rules;
    core::QueryMode m_mode = core::QueryMode::Age;
    platform::Picture m_picture;
    PopupMenu m_gyabout;           // made when first wanted
    WNDPROC m_entryProc = nullptr; // the entry's own
    std::pair<int, int> m_entrySelection{0, 0};
    bool m_focusingClick = false;
    std::string m_admittedEntry; // the entry's text as last judged
    int m_entryDepth = 0;        // messages to the entry under way, one inside another
    bool m_entryRefused = false;
    bool m_shown = false;
};

} // namespace ui::win32
