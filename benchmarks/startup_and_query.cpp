// SPDX-License-Identifier: MIT
// Prints how long the program takes from process start to the main window being shown, beside a
// bare Qt window started by the same harness, the peak memory of both, and the median time of one
// query including its picture load.
//
//   moltrava_benchmark [runs]      runs defaults to 15
#include "ui/main/form1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <vector>

namespace {

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

// In the child: shows the window, and once it has been painted prints the clock and memory.
int runChild(int argc, char* argv[], bool form1) {
    QApplication app(argc, argv);
    QWidget bare;
    ui::Form1* shown = nullptr;
    QWidget* window = &bare;
    if (form1) {
        shown = new ui::Form1;
        window = shown;
    } else {
        bare.resize(390, 312);
    }
    window->show();
    // A zero timer fires once the show, layout and first paint events have been handled.
    QTimer::singleShot(0, window, [] {
        std::printf("%lld %ld\n", monotonicNanoseconds(), peakKilobytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    const int result = QApplication::exec();
    delete shown;
    return result;
}

struct Start {
    double milliseconds;
    long peakKilobytes;
};

Start startChild(const QString& self, const char* which) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("DISPLAY")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    const long long before = monotonicNanoseconds();
    child.start(self, {QStringLiteral("child"), QString::fromLatin1(which)});
    child.waitForFinished(30'000);
    long long shownAt = 0;
    long kilobytes = 0;
    std::sscanf(child.readAllStandardOutput().constData(), "%lld %ld", &shownAt, &kilobytes);
    return {static_cast<double>(shownAt - before) / 1e6, kilobytes};
}

double medianQueryMicroseconds(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(MOLTRAVA_ASSETS_DIR));
    ui::Form1 form;
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
        return runChild(1, argv, std::string_view(argv[2]) == "form1");

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::vector<double> formTimes, bareTimes;
    std::vector<long> formMemory, bareMemory;
    for (int i = 0; i < runs; ++i) { // alternated, so both see the same machine load
        const Start bare = startChild(self, "bare");
        const Start form = startChild(self, "form1");
        bareTimes.push_back(bare.milliseconds);
        bareMemory.push_back(bare.peakKilobytes);
        formTimes.push_back(form.milliseconds);
        formMemory.push_back(form.peakKilobytes);
    }
    const double formMedian = median(formTimes);
    const double bareMedian = median(bareTimes);
    std::printf("start to shown, median of %d: main window %.1f ms, bare Qt window %.1f ms, "
                "ratio %.2f\n",
                runs, formMedian, bareMedian, formMedian / bareMedian);
    std::printf("peak memory, median: main window %ld KiB, bare Qt window %ld KiB, ratio %.2f\n",
                median(formMemory), median(bareMemory),
                static_cast<double>(median(formMemory)) / static_cast<double>(median(bareMemory)));

    int one = 1;
    std::printf("one query (birth year 1984, picture load included), median of 2000: %.1f us\n",
                medianQueryMicroseconds(one, argv));
    return 0;
}
