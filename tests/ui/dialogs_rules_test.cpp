// SPDX-License-Identifier: MIT
// What the two dialogs write and do, against recorded views and services.
#include "support/fake_services.h"
#include "ui/dialogs/fabout_rules.h"
#include "ui/dialogs/form2_rules.h"

#include <gtest/gtest.h>

namespace {

// Each call as "control=text", in order.
struct Recorder final : ui::fabout::View, ui::form2::View {
    void setCaption(std::string_view caption) override { calls.push_back("caption=" + std::string(caption)); }
    void setText(ui::fabout::Control c, std::string_view text) override { record(ui::fabout::Controls[c].name, text); }
    void setText(ui::form2::Control c, std::string_view text) override { record(ui::form2::Controls[c].name, text); }
    void record(std::string_view name, std::string_view text) {
        calls.push_back(std::string(name) + '=' + std::string(text));
    }
    std::vector<std::string> calls;
};

TEST(AboutProgram, LoadsItsCaptionsFromTheProgramsTitleAndVersion) {
    Recorder about;
    ui::fabout::Load(about);
    ui::fabout::Load(about); // each opening fills them afresh
    const std::vector<std::string> once{"caption=关于 Moltrava V1.2", "lblVersion=版本 1.0.0",
                                        "lblTitle=Moltrava V1.2"};
    EXPECT_EQ(about.calls, (std::vector<std::string>{once[0], once[1], once[2], once[0], once[1], once[2]}));
    EXPECT_EQ(ui::fabout::VersionText({12, 0, 305}), "版本 12.0.305");
    EXPECT_EQ(ui::fabout::FittedHeight(237, 230), 237);
    EXPECT_EQ(ui::fabout::FittedHeight(237, 236), 240); // grows to show the lowest text
}

TEST(AboutAuthor, ShowsTheContactsAndOpensEachButtonsPage) {
    Recorder author;
    ui::form2::Load(author);
    EXPECT_EQ(author.calls, (std::vector<std::string>{"Label2=QQ:000000000", "Label3=E-mail:author@example.com"}));
    FakeServices services;
    ui::form2::OpenPage(services, ui::form2::Command2);
    services.launchError = "没有浏览器";
    ui::form2::OpenPage(services, ui::form2::Command1);
    EXPECT_EQ(services.launches,
              (std::vector<std::string>{"web https://blog.example.org/", "web https://www.example.com/"}));
    ASSERT_EQ(services.messages.size(), 1u); // the page that could not be opened
    EXPECT_EQ(services.messages[0].text, "无法打开网页：https://www.example.com/\n没有浏览器");
    EXPECT_EQ(services.messages[0].style, platform::MessageStyle::OkStop);
}

} // namespace
