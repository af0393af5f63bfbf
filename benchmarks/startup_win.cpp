// SPDX-License-Identifier: MIT
// Prints how long the Windows program takes from process start to its main window being shown,
// painted and ready for input, beside the fair floor (the same first frame made the plainest
// way, benchmarks/fair_floor_win.cpp) and a bare window started the same way, and the peak
// working set of each. Built in the windows preset; under Wine, on an X display:
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
// reads the fonts then. The three programs take turns, so that a change in the machine's load
// falls on all of them.
//
// Under Wine every call to the window system is a round trip to the wineserver, and how long
// one takes depends on where the two processes run: run the whole under `taskset -c 1` (the
// display, the wineserver and the programs inherit it) for figures that do not wander with the
// machine's other work. Under Wine the benchmark also reads Linux's /proc (drive Z:) for the CPUs
// each process may run on and for the CPU time each start costs the program, the wineserver of
// its prefix and the X server of its display.
#include "tools/painted_window_win.h"
#include "unix_processes_win.h"

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
    const char* name;
};

// In every round the program first, then the fair floor, then the bare window.
constexpr std::array<Program, 3> Programs{{
    {MOLTRAVA_PROGRAM, L"Form1", "main window"},
    {FLOOR_PROGRAM, L"FairFloor", "fair floor"},
    {BARE_PROGRAM, L"BareWindow", "bare window"},
}};
constexpr DWORD WaitLimitMs = 60'000;

// The Linux processes that serve every start: the wineserver of this prefix and the X server.
struct Servers {
    std::string wineserver, display; // process IDs, or empty where not found
    std::optional<unix_processes::CpuClock> wineserverCpu, displayCpu;
};

void findServers(Servers& servers) {
    const std::string prefix = unix_processes::ownEnvironmentEntry("WINEPREFIX");
    const std::string display = unix_processes::ownEnvironmentEntry("DISPLAY");
    if (!prefix.empty()) {
        for (const char* name : {"wineserver64", "wineserver"}) { // as Debian names it
            const auto found = unix_processes::find(name, L"environ", prefix);
            if (!found.empty() && servers.wineserver.empty())
                servers.wineserver = found.back();
        }
    }
    if (!display.empty()) {
        // xvfb-run names the display on the server's command line.
        const auto found = unix_processes::find("Xvfb", L"cmdline", display.substr(8));
        if (!found.empty())
            servers.display = found.back();
    }
    if (!servers.wineserver.empty())
        servers.wineserverCpu.emplace(servers.wineserver);
    if (!servers.display.empty())
        servers.displayCpu.emplace(servers.display);
}

struct Start {
    double milliseconds;
    double peakKilobytes;
    bool idleBeforePainted;
    // CPU time from the start to the window ready: the program's own, the wineserver's, the
    // display's; none where not found.
    std::optional<double> programCpu, wineserverCpu, displayCpu;
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

std::optional<double> elapsed(const std::optional<unix_processes::CpuClock>& clock,
                              std::optional<double> before) {
    const std::optional<double> now = clock ? clock->milliseconds() : std::nullopt;
    if (!now || !before)
        return std::nullopt;
    return *now - *before;
}

// The Linux process of the program just started, after the process `before`: the newest of its
// name in this prefix.
std::optional<double> programCpu(const std::wstring& file, long long before) {
    const std::wstring name = file.substr(file.find_last_of(L'\\') + 1);
    const std::string prefix = unix_processes::ownEnvironmentEntry("WINEPREFIX");
    const auto found =
        unix_processes::find(std::string(name.begin(), name.end()), L"environ", prefix, before);
    if (prefix.empty() || found.empty())
        return std::nullopt;
    return unix_processes::CpuClock(found.back()).milliseconds();
}

std::optional<Start> start(const Program& program, const std::wstring& folder,
                           const Servers& servers) {
    const std::wstring file = fullPath(program.file);
    std::wstring commandLine = L"\"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const std::optional<double> wineserverBefore =
        servers.wineserverCpu ? servers.wineserverCpu->milliseconds() : std::nullopt;
    const std::optional<double> displayBefore =
        servers.displayCpu ? servers.displayCpu->milliseconds() : std::nullopt;
    static const unix_processes::LastProcessId lastProcessId;
    const long long lastBefore = lastProcessId.get();
    LARGE_INTEGER before;
    QueryPerformanceCounter(&before);
    if (!CreateProcessW(file.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls: error %lu\n", file.c_str(), GetLastError());
        return std::nullopt;
    }
    Start result{0, 0, false, {}, {}, {}};
    bool ready = false;
    while (secondsSince(before) * 1000 < WaitLimitMs) {
        if (WaitForInputIdle(process.hProcess, WaitLimitMs) != 0)
            break;
        const HWND window = painted::ShownWindow(program.windowClass, process.dwProcessId);
        if (window && !painted::AwaitsPaint(window)) {
            result.milliseconds = secondsSince(before) * 1000;
            result.wineserverCpu = elapsed(servers.wineserverCpu, wineserverBefore);
            result.displayCpu = elapsed(servers.displayCpu, displayBefore);
            ready = true;
            break;
        }
        result.idleBeforePainted = true;
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break; // ended without a window
    }
    if (ready)
        result.programCpu = programCpu(file, lastBefore);
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

struct Figures {
    std::vector<double> times, peaks, programCpu, wineserverCpu, displayCpu;
};

void add(std::vector<double>& values, std::optional<double> value) {
    if (value)
        values.push_back(*value);
}

std::string cpuMedian(const std::vector<double>& values) {
    char text[32] = "n/a";
    if (!values.empty())
        std::snprintf(text, sizeof text, "%.1f ms", median(values));
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const std::wstring folder = fullPath(ASSETS_FOLDER);
    Servers servers;
    findServers(servers);

    std::array<Figures, Programs.size()> figures;
    int idleBeforePainted = 0;
    for (int run = -1; run < runs; ++run) { // run -1 is not counted
        for (std::size_t kind = 0; kind < Programs.size(); ++kind) {
            const std::optional<Start> started = start(Programs[kind], folder, servers);
            if (!started)
                return 1;
            if (run < 0)
                continue;
            Figures& f = figures[kind];
            f.times.push_back(started->milliseconds);
            f.peaks.push_back(started->peakKilobytes);
            add(f.programCpu, started->programCpu);
            add(f.wineserverCpu, started->wineserverCpu);
            add(f.displayCpu, started->displayCpu);
            idleBeforePainted += started->idleBeforePainted ? 1 : 0;
        }
    }

    const std::string ownCpus = unix_processes::statusField("self", "Cpus_allowed_list");
    if (ownCpus.find_first_of(",-") != std::string::npos)
        std::printf("not on one CPU: under `taskset -c 1` the figures wander less\n");
    std::printf("CPUs each may run on: benchmark %s, wineserver %s, display %s\n", ownCpus.c_str(),
                servers.wineserver.empty()
                    ? "n/a"
                    : unix_processes::statusField(servers.wineserver, "Cpus_allowed_list").c_str(),
                servers.display.empty()
                    ? "n/a"
                    : unix_processes::statusField(servers.display, "Cpus_allowed_list").c_str());
    std::printf("start to shown, painted and idle for input, median of %d rounds after one "
                "uncounted; CPU time per start up to then\n",
                runs);
    for (std::size_t kind = 0; kind < Programs.size(); ++kind) {
        const Figures& f = figures[kind];
        std::printf("  %-11s %6.1f ms (%.1f to %.1f), peak working set %.0f KiB; CPU: program "
                    "%s, wineserver %s, display %s\n",
                    Programs[kind].name, median(f.times),
                    *std::min_element(f.times.begin(), f.times.end()),
                    *std::max_element(f.times.begin(), f.times.end()), median(f.peaks),
                    cpuMedian(f.programCpu).c_str(), cpuMedian(f.wineserverCpu).c_str(),
                    cpuMedian(f.displayCpu).c_str());
    }
    if (idleBeforePainted > 0)
        std::printf("starts idle before their window was painted, timed to the paint: %d\n",
                    idleBeforePainted);
    const double mainTime = median(figures[0].times);
    std::printf("peak working set: main window / fair floor %.3f, main window / bare window %.2f\n",
                median(figures[0].peaks) / median(figures[1].peaks),
                median(figures[0].peaks) / median(figures[2].peaks));
    const auto cpu = [&](const Figures& f) {
        return f.programCpu.empty() || f.wineserverCpu.empty() || f.displayCpu.empty()
                   ? 0.0
                   : median(f.programCpu) + median(f.wineserverCpu) + median(f.displayCpu);
    };
    if (cpu(figures[1]) > 0)
        std::printf("CPU time per start, program, wineserver and display together: main window / "
                    "fair floor %.2f\n",
                    cpu(figures[0]) / cpu(figures[1]));
    // Each round's ratio sets the main window against the floor started just after it, under the
    // same load; their median wanders less than the ratio of the medians when the load changes.
    std::vector<double> paired;
    for (std::size_t round = 0; round < figures[0].times.size(); ++round)
        paired.push_back(figures[0].times[round] / figures[1].times[round]);
    std::printf("main window / bare window %.2f\n", mainTime / median(figures[2].times));
    std::printf("ratio of the medians: main window / fair floor %.2f; median of each round's "
                "ratio:\n",
                mainTime / median(figures[1].times));
    std::printf("main window / fair floor %.2f\n", median(paired));
    return 0;
}
