// SPDX-License-Identifier: MIT
// Prints how long the program takes from process start to the main window being painted, and
// its peak memory, beside three windows started by the same harness: the fair floor, the main
// window's first screen made the plainest way with Qt alone (the same twelve widgets in the same
// faces, sizes and colours, none of the program's code), a Qt window showing one line of Chinese
// text in one face, which is what a person compares the program with, and a bare Qt window. Then
// the median time of one query including its picture load.
//
//   moltrava_benchmark [--cold] [runs]     runs defaults to 15
//
// --cold (as root) also starts each window after `sync; echo 3 > /proc/sys/vm/drop_caches`, as
// at the first launch after booting: libraries and font files then come from the disk.
//
// `moltrava_benchmark child form1` (or floor, oneline, bare) starts one window and ends at its
// first paint, so that `valgrind --tool=callgrind` counts the instructions up to it.
#include "ui/qt/form1.h"
#include "ui/qt/services.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string_view>
#include <vector>

namespace {

// The one-line window: a typical short Chinese line, in the Chinese sans-serif face that the
// program's own dependencies bring, at a common size.
constexpr const char* OneLineFamily = "WenQuanYi Micro Hei";
constexpr const char* OneLineText = "请输入您的年龄";
constexpr double OneLinePoints = 10.5;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Reports once the window has been painted: a zero timer after its first paint event fires
// when that paint, and the children's in the same pass, are done.
class AfterFirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [] {
                std::printf("%lld %ld\n", monotonicNanoseconds(), peakKilobytes());
                std::fflush(stdout);
                // Nothing after the first paint is measured, so an instruction count of the
                // whole process (callgrind) is the count to the first paint.
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

// The fair floor: the main window's first screen with plain Qt widgets at the boxes the main
// window gives them (labels as fitted to their first texts), in the faces that stand in for its
// families on Debian.
struct FloorWidget {
    enum Kind { Frame, Option, Entry, Button, Label, Picture } kind;
    const char* text;
    QRect box;
    const char* family; // null: the window's
    double points;
    bool bold;
    QRgb colour, background; // 0: the palette's
    const char* toolTip;
    bool inFrame;
};

void buildFloor(QWidget* window) {
    constexpr const char* Sung = "AR PL SungtiL GB";
    constexpr const char* Hei = "WenQuanYi Micro Hei";
    // clang-format off
    const FloorWidget widgets[] = {
        {FloorWidget::Frame, "查询条件", {67, 24, 257, 65}, Sung, 10.5, false, 0, 0, nullptr, false},
        {FloorWidget::Option, "年龄", {16, 19, 49, 33}, Sung, 10.5, false, 0, 0, "根据年龄查询", true},
        {FloorWidget::Option, "出生年", {128, 19, 63, 33}, Sung, 10.5, false, 0, 0, "根据出生年份查询", true},
        {FloorWidget::Entry, "0", {262, 124, 52, 29}, Sung, 15.75, true, 0xFF8000, 0, nullptr, false},
        {FloorWidget::Button, "确定", {75, 256, 65, 33}, Sung, 18, true, 0, 0, nullptr, false},
        {FloorWidget::Button, "退出", {251, 256, 65, 33}, Sung, 18, true, 0, 0, nullptr, false},
        {FloorWidget::Label, "您的属相是：", {78, 192, 132, 25}, Hei, 15.75, true, 0xFF00FF, 0, nullptr, false},
        {FloorWidget::Label, "", {217, 189, 0, 34}, Hei, 21.75, true, 0x0000FF, 0xFF8080, nullptr, false},
        {FloorWidget::Label, "请输入您的年龄", {76, 124, 154, 25}, Hei, 15.75, true, 0x8080FF, 0, nullptr, false},
        {FloorWidget::Label, "(周岁)", {64, 29, 40, 12}, Sung, 9, true, 0x00C000, 0, "根据年龄查询", true},
        {FloorWidget::Label, "(阳历)", {189, 29, 40, 12}, Sung, 9, true, 0xFF8000, 0, "根据出生年份查询", true},
        {FloorWidget::Picture, "", {256, 180, 37, 37}, nullptr, 0, false, 0, 0, nullptr, false},
    };
    // clang-format on
    window->setWindowTitle(QStringLiteral("Moltrava1.2    QQ:000000000"));
    QFont windowFont(QString::fromLatin1(Hei)); // the window's own, as 幼圆 falls back
    windowFont.setPointSizeF(15);
    windowFont.setHintingPreference(QFont::PreferFullHinting);
    window->setFont(windowFont);
    QWidget* frame = nullptr;
    QRadioButton* first = nullptr;
    for (const FloorWidget& row : widgets) {
        QWidget* parent = row.inFrame ? frame : window;
        const QString text = QString::fromUtf8(row.text);
        QWidget* widget = nullptr;
        switch (row.kind) {
        case FloorWidget::Frame:
            widget = frame = new QGroupBox(text, parent);
            widget->setStyleSheet(QStringLiteral(
                "QGroupBox { border: 1px solid palette(mid); margin-top: 0.6em; }"
                "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
            break;
        case FloorWidget::Option:
            widget = new QRadioButton(text, parent);
            if (!first)
                first = static_cast<QRadioButton*>(widget);
            break;
        case FloorWidget::Entry:
            widget = new QLineEdit(text, parent);
            break;
        case FloorWidget::Button:
            widget = new QPushButton(text, parent);
            static_cast<QPushButton*>(widget)->setDefault(text == QStringLiteral("确定"));
            break;
        case FloorWidget::Label:
            widget = new QLabel(text, parent);
            break;
        case FloorWidget::Picture: {
            auto* picture = new QLabel(parent);
            picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
            picture->setFocusPolicy(Qt::TabFocus);
            widget = picture;
            break;
        }
        }
        widget->setGeometry(row.box);
        if (row.family) {
            QFont font(QString::fromLatin1(row.family));
            font.setPointSizeF(row.points);
            font.setWeight(row.bold ? QFont::Bold : QFont::Normal);
            font.setHintingPreference(QFont::PreferFullHinting);
            widget->setFont(font);
        }
        if (row.colour || row.background) {
            QPalette palette = widget->palette();
            for (const QPalette::ColorRole role :
                 {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                palette.setColor(role, QColor::fromRgb(row.colour));
            if (row.background) {
                palette.setColor(QPalette::Window, QColor::fromRgb(row.background));
                widget->setAutoFillBackground(true);
            }
            widget->setPalette(palette);
        }
        if (row.toolTip)
            widget->setToolTip(QString::fromUtf8(row.toolTip));
    }
    first->setChecked(true);
    first->setFocus();
}

// In the child: shows one window, and once it has been painted prints the clock and memory.
int runChild(int argc, char* argv[], std::string_view which) {
    QApplication app(argc, argv);
    QWidget plain;
    plain.resize(390, 312);
    ui::qt::Form1* form = nullptr;
    QWidget* window = &plain;
    if (which == "form1") {
        form = new ui::qt::Form1(ui::qt::Services::instance());
        window = form;
    } else if (which == "floor") {
        buildFloor(&plain);
    } else if (which == "oneline") {
        auto* line = new QLabel(QString::fromUtf8(OneLineText), &plain);
        QFont font(QString::fromLatin1(OneLineFamily));
        font.setPointSizeF(OneLinePoints);
        line->setFont(font);
        line->move(24, 24);
    }
    AfterFirstPaint reporter;
    window->installEventFilter(&reporter);
    window->show();
    const int result = QApplication::exec();
    delete form;
    return result;
}

struct Start {
    double milliseconds;
    long peakKilobytes;
};

bool dropPageCache() {
    sync();
    std::ofstream control("/proc/sys/vm/drop_caches");
    control << "3\n";
    control.close();
    return static_cast<bool>(control);
}

Start startChild(const QString& self, const char* which, bool cold) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("DISPLAY")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    if (cold)
        dropPageCache();
    const long long before = monotonicNanoseconds();
    child.start(self, {QStringLiteral("child"), QString::fromLatin1(which)});
    child.waitForFinished(60'000);
    long long shownAt = 0;
    long kilobytes = 0;
    std::sscanf(child.readAllStandardOutput().constData(), "%lld %ld", &shownAt, &kilobytes);
    return {static_cast<double>(shownAt - before) / 1e6, kilobytes};
}

// Starts the four windows `runs` times, alternated so that all see the same machine load, and
// prints the medians and the main window's ratios to the others, the one to the floor last.
void compareStarts(const QString& self, int runs, bool cold) {
    constexpr std::array<const char*, 4> Kinds{"form1", "floor", "oneline", "bare"};
    std::array<std::vector<double>, Kinds.size()> times;
    std::array<std::vector<long>, Kinds.size()> memory;
    for (int i = 0; i < runs; ++i) {
        for (std::size_t kind = 0; kind < Kinds.size(); ++kind) {
            const Start start = startChild(self, Kinds[kind], cold);
            times[kind].push_back(start.milliseconds);
            memory[kind].push_back(start.peakKilobytes);
        }
    }
    std::array<double, Kinds.size()> time{}, peak{};
    for (std::size_t kind = 0; kind < Kinds.size(); ++kind) {
        time[kind] = median(times[kind]);
        peak[kind] = static_cast<double>(median(memory[kind]));
    }
    const char* warmth = cold ? "cold" : "warm";
    std::printf("%s start to painted, median of %d: main window %.1f ms, fair floor %.1f ms, "
                "one-line window %.1f ms, bare window %.1f ms; main window / one-line %.2f, / bare "
                "%.2f\n",
                warmth, runs, time[0], time[1], time[2], time[3], time[0] / time[2],
                time[0] / time[3]);
    std::printf("%s peak memory, median: main window %.0f KiB, fair floor %.0f KiB, one-line "
                "window %.0f KiB, bare window %.0f KiB; main window / fair floor %.3f, / one-line "
                "%.2f, / bare %.2f\n",
                warmth, peak[0], peak[1], peak[2], peak[3], peak[0] / peak[1], peak[0] / peak[2],
                peak[0] / peak[3]);
    // Each round's ratio sets the main window against the floor started just after it, under the
    // same load; their median wanders less than the ratio of the medians when the load changes.
    std::vector<double> paired;
    for (int i = 0; i < runs; ++i)
        paired.push_back(times[0][static_cast<std::size_t>(i)] /
                         times[1][static_cast<std::size_t>(i)]);
    std::printf("%s ratio of the medians: main window / fair floor %.2f; median of each round's "
                "ratio:\n",
                warmth, time[0] / time[1]);
    std::printf("%s main window / fair floor %.2f\n", warmth, median(paired));
}

double medianQueryMicroseconds(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFont oneLine(QString::fromLatin1(OneLineFamily));
    std::printf("one-line window: \"%s\" in %s %.1f pt\n", OneLineText,
                qPrintable(QFontInfo(oneLine).family()), OneLinePoints);
    QDir::setCurrent(QStringLiteral(MOLTRAVA_ASSETS_DIR));
    ui::qt::Form1 form(ui::qt::Services::instance());
    form.show();
    form.findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("1984"));
    std::vector<double> times;
    for (int i = 0; i < 2000; ++i) {
        const auto start = std::chrono::steady_clock::now();
        form.RunQuery();
        times.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return median(times);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string_view(argv[1]) == "child")
        return runChild(1, argv, argv[2]);

    bool cold = false;
    int runs = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--cold")
            cold = true;
        else
            runs = std::max(1, std::atoi(argv[i]));
    }
    if (cold && (geteuid() != 0 || !dropPageCache())) {
        std::fprintf(stderr, "--cold drops the page cache, which needs root\n");
        return 1;
    }
    const QString self = QString::fromLocal8Bit(argv[0]);
    compareStarts(self, runs, false);
    if (cold)
        compareStarts(self, runs, true);

    int one = 1;
    const double query = medianQueryMicroseconds(one, argv);
    std::printf("one query (birth year 1984, picture load included), median of 2000: %.1f us\n",
                query);
    return 0;
}
