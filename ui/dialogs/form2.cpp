// SPDX-License-Identifier: MIT
#include "form2.h"

#include "ui/author_details.h"
#include "ui/widgets/control_row.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/twips.h"

#include <QKeyEvent>
#include <QPushButton>

#include <array>

namespace ui {
namespace {

constexpr std::string_view Caption = "关于作者";
constexpr int ClientWidth = 4680;
constexpr int ClientHeight = 3090;
constexpr std::string_view QqPrefix = "QQ:";
constexpr std::string_view EmailPrefix = "E-mail:";
constexpr std::string_view PageFailed = "无法打开网页：";

// In tab order; the contact labels get their text from the author's details.
// clang-format off
constexpr std::array<ControlRow, 5> Controls{{
    {.name = "Label1", .kind = ControlKind::Label,
     .caption = "本人喜欢电脑，热爱电脑技术研究，希望结交喜欢电脑的朋友，能够共同学习，相互补充，相互学习。",
     .left = 360, .top = 360, .width = 3900, .height = 660, .font = Song105,
     .sizing = Sizing::Wrap},
    {.name = "Label2", .kind = ControlKind::Label, .caption = "",
     .left = 240, .top = 1440, .width = 1440, .height = 210, .font = {"宋体", 10.5, true},
     .textColour = 0x0000FF, .sizing = Sizing::AutoSize},
    {.name = "Label3", .kind = ControlKind::Label, .caption = "",
     .left = 240, .top = 1920, .width = 3720, .height = 210, .font = {"黑体", 10.5, true},
     .textColour = 0x008000, .sizing = Sizing::AutoSize},
    {.name = "Command2", .kind = ControlKind::PushButton, .caption = "百度博客",
     .left = 2813, .top = 2520, .width = 1095, .height = 375, .font = Song105},
    {.name = "Command1", .kind = ControlKind::PushButton, .caption = "主 页",
     .left = 773, .top = 2520, .width = 975, .height = 375, .font = Song105},
}};
// clang-format on

} // namespace

Form2::Form2(platform::PlatformServices& services, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_services(services) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(FromUtf8(Caption));
    setWindowIcon(AuthorIcon());
    setWindowModality(Qt::ApplicationModal);
    resize(PixelSize(ClientWidth, ClientHeight));

    for (const ControlRow& row : Controls)
        BuildControl(this, row);
    FindControl<DesignLabel>(this, "Label2")
        ->setText(FromUtf8(QqPrefix) + FromUtf8(author::QqNumber));
    FindControl<DesignLabel>(this, "Label3")
        ->setText(FromUtf8(EmailPrefix) + FromUtf8(author::Email));

    auto* blog = FindControl<QPushButton>(this, "Command2");
    auto* home = FindControl<QPushButton>(this, "Command1");
    connect(home, &QPushButton::clicked, this, [this] { openPage(author::HomePage); });
    connect(blog, &QPushButton::clicked, this, [this] { openPage(author::BlogPage); });
    // Neither button is the default; Enter presses whichever has the focus.
    blog->setFocus(Qt::OtherFocusReason);
    CentreOnScreen(this);
}

void Form2::openPage(std::string_view address) {
    const std::string error = m_services.openWebPage(address);
    if (!error.empty()) {
        m_services.showMessage(std::string(PageFailed) + std::string(address) + '\n' + error,
                               platform::MessageStyle::OkStop, {});
    }
}

// There is no cancel button: Esc leaves the dialog open.
void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace ui
