// SPDX-License-Identifier: MIT
// Prints how long the Windows program takes from process start to its main window being shown,
// painted and ready for input, beside a bare window started the same way, and the peak working
// set of each. Built in the windows preset; under Wine, on an X display:
//
//   cmake/wine-run.sh PREFIX-display build/windows/benchmarks/moltrava_benchmark_win.exe [runs]
//
// runs defaults to 9. The clock runs from just before CreateProcessW to the return of
// WaitForInputIdle, which comes when the program's thread first waits for input with its queue
// empty: its windows' paint messages handled, their pixels handed to the display. The clock
// stops only once a visible window of the program's class belongs to it and neither that
// window nor any control in it awaits a paint; a program idle before that is waited for. Each
// program starts in the folder that holds the pictures, as the program expects, and is ended with
// TerminateProcess once measured: answering the close question is not part of start-up. One start
// of each before the measured ones is not counted: in a new prefix Wine starts its desktop and
// reads the fonts then.
#include "tools/painted_window_win.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Program {
    const wchar_t* file; // relative to this program's folder
    const wchar_t* windowClass;
};

// The program first, then the bare window, in every round.
constexpr std::array<Program, 2> Programs{{
    {MOLTRAVA_PROGRAM, L"Form1"},
    {BARE_PROGRAM, L"BareWindow"},
}};
constexpr DWORD WaitLimitMs = 60'000;

struct Start {
    double milliseconds;
    double peakKilobytes;
    bool idleBeforePainted;
};

std::wstring fullPath(const std::wstring& relative) {
    std::wstring own(MAX_PATH, L'\0');
    own.resize(GetModuleFileNameW(nullptr, own.data(), static_cast<DWORD>(own.size())));
    std::wstring joined = own.substr(0, own.find_last_of(L"\\/") + 1) + relative;
    std::replace(joined.begin(), joined.end(), L'/', L'\\');
    std::wstring full(GetFullPathNameW(joined.c_str(), 0, nullptr, nullptr), L'\0');
    full.resize(
        GetFullPathNameW(joined.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    return full;
}

double secondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

std::optional<Start> start(const Program& program, const std::wstring& folder) {
    const std::wstring file = fullPath(program.file);
    std::wstring commandLine = L"\"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER before;
    QueryPerformanceCounter(&before);
    if (!CreateProcessW(file.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls: error %lu\n", file.c_str(), GetLastError());
        return std::nullopt;
    }
    Start result{0, 0, false};
    bool ready = false;
    while (secondsSince(before) * 1000 < WaitLimitMs) {
        if (WaitForInputIdle(process.hProcess, WaitLimitMs) != 0)
            break;
        const HWND window = painted::ShownWindow(program.windowClass, process.dwProcessId);
        if (window && !painted::AwaitsPaint(window)) {
            result.milliseconds = secondsSince(before) * 1000;
            ready = true;
            break;
        }
        result.idleBeforePainted = true;
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break; // ended without a window
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
        result.peakKilobytes = static_cast<double>(memory.PeakWorkingSetSize) / 1024;
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, WaitLimitMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!ready) {
        std::fprintf(stderr, "%ls showed no window of class %ls ready for input\n", file.c_str(),
                     program.windowClass);
        return std::nullopt;
    }
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const std::wstring folder = fullPath(ASSETS_FOLDER);

    std::array<std::vector<double>, Programs.size()> times, memory;
    int idleBeforePainted = 0;
    for (int run = -1; run < runs; ++run) { // run -1 is not counted
        for (std::size_t kind = 0; kind < Programs.size(); ++kind) {
            const std::optional<Start> started = start(Programs[kind], folder);
            if (!started)
                return 1;
            if (run < 0)
                continue;
            times[kind].push_back(started->milliseconds);
            memory[kind].push_back(started->peakKilobytes);
            idleBeforePainted += started->idleBeforePainted ? 1 : 0;
        }
    }

    const double mainTime = median(times[0]);
    const double bareTime = median(times[1]);
    std::printf("start to shown, painted and idle for input, median of %d after one "
                "uncounted start each: main window %.1f ms (%.1f to %.1f), bare window %.1f ms "
                "(%.1f to %.1f); main window / bare %.2f (aim: at most 1.25)\n",
                runs, mainTime, *std::min_element(times[0].begin(), times[0].end()),
                *std::max_element(times[0].begin(), times[0].end()), bareTime,
                *std::min_element(times[1].begin(), times[1].end()),
                *std::max_element(times[1].begin(), times[1].end()), mainTime / bareTime);
    const double mainPeak = median(memory[0]);
    const double barePeak = median(memory[1]);
    std::printf("peak working set, median: main window %.0f KiB, bare window %.0f KiB; main "
                "window / bare %.2f\n",
                mainPeak, barePeak, mainPeak / barePeak);
    if (idleBeforePainted > 0)
        std::printf("starts idle before their window was painted, timed to the paint: %d\n",
                    idleBeforePainted);
    return 0;
}
