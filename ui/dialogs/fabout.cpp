// SPDX-License-Identifier: MIT
#include "fabout.h"

#include "core/program_info.h"
#include "sys_info.h"
#include "ui/widgets/control_row.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace ui {
namespace {

constexpr int ClientWidth = 4605;
constexpr int ClientHeight = 3555;
constexpr std::string_view CaptionPrefix = "关于 ";
constexpr std::string_view VersionPrefix = "版本 ";
constexpr std::string_view IconName = "程序图标";
constexpr int BottomMargin = 4; // pixels below the lowest text

constexpr FontRequest Song12{"宋体", 12, false};
constexpr QRgb Black = 0x000000;

// In tab order.
// clang-format off
constexpr std::array<ControlRow, 7> Controls{{
    {.name = "cmdOK", .kind = ControlKind::PushButton, .caption = "确定",
     .left = 3360, .top = 2625, .width = 1020, .height = 345, .font = Song105},
    {.name = "picIcon", .kind = ControlKind::PictureBox, .caption = "",
     .left = 240, .top = 240, .width = 540, .height = 540, .font = {}},
    {.name = "cmdSysInfo", .kind = ControlKind::PushButton, .caption = "系统信息",
     .left = 3360, .top = 3075, .width = 1020, .height = 345, .font = Song105},
    {.name = "lblDescription", .kind = ControlKind::Label,
     .caption = "能够根据你的出生年份(阳历)和你现在的年龄(周岁)来计算你属相的一个小软件，仅供大家娱乐。",
     .left = 240, .top = 1320, .width = 3885, .height = 810, .font = Song12,
     .textColour = Black, .sizing = Sizing::Wrap},
    {.name = "lblDisclaimer", .kind = ControlKind::Label,
     .caption = "您可以自由使用、复制和传播本软件，但不得用于商业用途。",
     .left = 240, .top = 2640, .width = 2655, .height = 810, .font = Song105,
     .textColour = Black, .sizing = Sizing::Wrap},
    {.name = "lblTitle", .kind = ControlKind::Label, .caption = "",
     .left = 1080, .top = 360, .width = 1965, .height = 480, .font = Song12,
     .textColour = Black, .sizing = Sizing::Wrap},
    {.name = "lblVersion", .kind = ControlKind::Label, .caption = "",
     .left = 1200, .top = 840, .width = 480, .height = 240, .font = Song12,
     .sizing = Sizing::AutoSize},
}};
// clang-format on

// The etched separator above the buttons: a grey line with a white one under it. Both run past
// the right edge and are clipped there.
struct Line {
    int x1, y, x2, widthPixels;
    QRgb colour;
};
constexpr std::array<Line, 2> Line1{{
    {105, 2460, 5654, 2, 0xFFFFFF}, // index 0
    {90, 2445, 5654, 1, 0x808080},  // index 1
}};

} // namespace

FAbout::FAbout(platform::PlatformServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_services(services) {
    setObjectName(QStringLiteral("fAbout"));
    setWindowIcon(ProgramIcon());

    for (const ControlRow& row : Controls)
        BuildControl(this, row);

    m_cmdOK = FindControl<QPushButton>(this, "cmdOK");
    m_cmdSysInfo = FindControl<QPushButton>(this, "cmdSysInfo");
    m_lblTitle = FindControl<DesignLabel>(this, "lblTitle");
    m_lblVersion = FindControl<DesignLabel>(this, "lblVersion");

    auto* picIcon = FindControl<QLabel>(this, "picIcon");
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    ShowInPictureBox(picIcon, ProgramIcon().pixmap(QSize(32, 32), picIcon->devicePixelRatioF()));
    picIcon->setFocusPolicy(Qt::TabFocus);
    picIcon->setAccessibleName(FromUtf8(IconName));

    // Enter and Esc both press 确定, except that Enter presses 系统信息 while it has the focus.
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(m_services); });

    Load();
    m_cmdOK->setFocus(Qt::OtherFocusReason);

    // A substitute face with more line height may push the warning's last line past the bottom
    // edge; the dialog then grows to show it.
    const QSize design = PixelSize(ClientWidth, ClientHeight);
    const int textBottom = FindControl<QLabel>(this, "lblDisclaimer")->geometry().bottom() + 1;
    setFixedSize(design.width(), std::max(design.height(), textBottom + BottomMargin));
    if (parent)
        CentreIn(this, parent->geometry());
}

void FAbout::Load() {
    const QString title = FromUtf8(core::ProgramTitle);
    setWindowTitle(FromUtf8(CaptionPrefix) + title);
    const core::Version version = core::ProgramVersion;
    m_lblVersion->setText(
        FromUtf8(VersionPrefix) +
        QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision));
    m_lblTitle->setText(title);
}

void FAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const Line& line : Line1) {
        painter.fillRect(
            QRect(Pixels(line.x1), Pixels(line.y), Pixels(line.x2 - line.x1), line.widthPixels),
            QColor::fromRgb(line.colour));
    }
}

} // namespace ui
