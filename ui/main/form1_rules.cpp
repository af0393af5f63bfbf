// SPDX-License-Identifier: MIT
#include "form1_rules.h"

#include "ui/layout/author_details.h"

#include <utility>

namespace ui::form1 {
std::string Caption() {
    return std::string(CaptionPrefix) + std::string(author::QqNumber);
}

Rules::Rules(View& view, platform::PlatformServices& services)
    : m_view(view)
    , m_services(services) {}

core::QueryMode Rules::Mode() const {
    for (const ModeRow& row : Modes) {
        if (m_view.isChecked(row.option))
            return row.mode;
    }
    return core::QueryMode::BirthYear; // as laid out, before the start-up selection
}

void Rules::Start() {
    const ModeRow& age = ModeRowOf(core::QueryMode::Age);
    m_view.setFocus(age.option);
    m_view.check(age.option);
    SelectMode(age.mode);
}

void Rules::SelectMode(core::QueryMode mode) {
    m_view.setText(Label3, ModeRowOf(mode).prompt);
    m_view.setText(Text1, "0");
    clearResult();
}

void Rules::OnTextFocus() {
    clearResult();
    m_view.setEntryLimit(ModeRowOf(Mode()).maxLength);
    m_view.selectEntry(0, 4);
}

void Rules::RunQuery() {
    const core::QueryOutcome outcome =
        core::EvaluateQuery(Mode(), m_view.text(Text1), m_services.currentYear());

    if (outcome.isRejection()) {
        m_services.showMessage(outcome.message, platform::MessageStyle::OkStop, outcome.title);
        m_view.setText(Text1, "0");
        if (m_view.hasFocus(Text1)) {
            m_view.selectEntry(0, 4); // so the next digit replaces the "0"
            return;
        }
        m_view.setFocus(Text1);
        // Where the window system gives the window back its activation only later, the focus
        // arrives then, as a window's return, which prepares nothing: prepare the entry now.
        if (!m_view.hasFocus(Text1))
            OnTextFocus();
        return;
    }
    if (outcome.kind != core::QueryOutcomeKind::SignFound)
        return;

    // The caption is shown before the picture is read; a missing or broken picture leaves it
    // shown and the picture box empty.
    m_view.setText(Label2, outcome.sign->caption);
    const platform::LoadedPicture loaded = m_services.loadPicture(outcome.sign->picturePath);
    m_view.showPicture(loaded.picture,
                       loaded.picture.empty() ? NoPictureName : outcome.sign->caption);
}

bool Rules::CloseRequested() {
    if (m_services.showMessage(CloseQuestion, platform::MessageStyle::YesNoExclamation,
                               CloseTitle) != platform::Answer::Yes)
        return false;
    m_services.endProgram();
    return true;
}

void Rules::MenuItemChosen(MenuAction action) {
    switch (action) {
    case MenuAction::AboutProgram:
        m_view.showDialog(Dialog::AboutProgram);
        break;
    case MenuAction::AboutAuthor:
        m_view.showDialog(Dialog::AboutAuthor);
        break;
    case MenuAction::PlanNotice:
        m_services.showMessage(PlanNotice, platform::MessageStyle::Ok, {});
        break;
    }
}

void Rules::MousePressed(MouseButton button, bool onSurface) {
    if (button == MouseButton::Right)
        m_rightPressOnSurface = onSurface;
}

bool Rules::MouseReleased(MouseButton button) {
    if (button != MouseButton::Right)
        return false;
    return std::exchange(m_rightPressOnSurface, false);
}

void Rules::clearResult() {
    m_view.setText(Label2, "");
    m_view.showPicture({}, NoPictureName);
}

} // namespace ui::form1
