// SPDX-License-Identifier: MIT
// In a Wine prefix of its own: finds the installer refusing a Windows older than 10; installs the
// program silently into a folder of its own, and again, which upgrades it there; walks the
// interactive installer's pages up to Install, and meanwhile starts the program as its Start-menu
// shortcut does and asks for the sign of 1984, whose picture is read from the installed folder;
// while it runs, finds the installer and the uninstaller refusing or asking to close it; closes it,
// uninstalls it and finds nothing of it left.
// Usage: installer_driver INSTALLER LICENCE SHORTCUT (under the common Start menu) UNINSTALL_KEY
// KEY... (the keys it writes under HKEY_LOCAL_MACHINE)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/program_info.h"
#include "ui/win32/main_window_class.h"

#include <windows.h>

#include <shlobj.h>
#include <wrl/client.h>

namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::printf("installer test failed: %s\n", what);
        std::exit(1);
    }
}

// Whether `holds` comes true within 60 s.
template <typename Condition> bool waitFor(Condition holds) {
    for (int tries = 0; tries < 600 && !holds(); ++tries)
        Sleep(100);
    return holds();
}

// Starts a command line in a job, so that waiting for its end covers the processes it starts: an
// NSIS uninstaller hands its work to a copy of itself and ends at once.
struct Started {
    HANDLE job, process;
};

Started start(std::wstring line, const wchar_t* folder = nullptr) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    require(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, folder, &startup,
                           &process) &&
                AssignProcessToJobObject(job, process.hProcess) && ResumeThread(process.hThread) == 1,
            "a program did not start");
    return {job, process.hProcess};
}

bool ended(const Started& started) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    return waitFor([&] {
        return QueryInformationJobObject(started.job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                         nullptr) &&
               info.ActiveProcesses == 0;
    });
}

DWORD exitCode(const std::wstring& line) {
    const Started started = start(line);
    DWORD code = 0;
    require(ended(started) && GetExitCodeProcess(started.process, &code), "an installer did not end");
    return code;
}

// A message to the program's window, answered within 30 s.
void send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    require(SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 30000, &result) != 0,
            "the program did not answer");
}

// A window's text, asked of the window itself: a rich edit control keeps it to itself.
std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 30000, &length);
    std::wstring text(length + 1, L'\0');
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             30000, &length))
        length = 0;
    text.resize(length);
    return text;
}

// The paragraphs of a text: its runs of lines between empty ones, white space made single spaces.
std::vector<std::wstring> paragraphs(const std::wstring& text) {
    std::vector<std::wstring> found;
    int breaks = 2;
    bool space = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == L'\n' || text[at] == L'\r') // each of \r\n, \r and \n ends a line
            breaks += text[at] == L'\r' || at == 0 || text[at - 1] != L'\r';
        else if (iswspace(text[at]))
            space = true;
        else {
            if (breaks >= 2)
                found.emplace_back();
            else if (breaks || space)
                found.back() += L' ';
            found.back() += text[at];
            breaks = 0;
            space = false;
        }
    }
    return found;
}

// The visible top-level dialog box that has a control of this ID.
HWND dialogWith(int control) {
    for (HWND dialog = nullptr; (dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr;)
        if (IsWindowVisible(dialog) && GetDlgItem(dialog, control))
            return dialog;
    return nullptr;
}

// A shortcut's target and working folder.
std::pair<std::filesystem::path, std::filesystem::path> readShortcut(const std::filesystem::path& shortcut) {
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    wchar_t program[MAX_PATH]{}, folder[MAX_PATH]{};
    require(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
                SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(program, MAX_PATH, nullptr, 0)) &&
                SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH)),
            "a shortcut cannot be read");
    return {program, folder};
}

void setText(HKEY root, const wchar_t* key, const wchar_t* value, const std::wstring& text) {
    require(RegSetKeyValueW(root, key, value, REG_SZ, text.c_str(),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS,
            "a registry value cannot be written");
}

bool keyExists(const wchar_t* key) {
    HKEY opened{};
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &opened) == ERROR_SUCCESS && !RegCloseKey(opened);
}

// The command IDs of the main window's controls: 100 + their place in its table.
constexpr int Frame1 = 100, Option2 = 102, Text1 = 103, Command1 = 104, Picture1 = 111;

// The files under a folder, with their times.
std::wstring listing(const std::filesystem::path& folder) {
    std::wstring text;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        text += entry.path().wstring() + std::to_wstring(entry.last_write_time().time_since_epoch().count());
    return text;
}

std::wstring regText(const wchar_t* key, const wchar_t* value) {
    wchar_t text[MAX_PATH]{};
    DWORD size = sizeof text;
    RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

} // namespace

int wmain(int count, wchar_t** arguments) {
    namespace fs = std::filesystem;
    require(count >= 5 && SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)), "usage");
    const std::wstring interactive = L"\"" + std::wstring(arguments[1]) + L"\"", installer = interactive + L" /S";
    const wchar_t* const uninstallKey = arguments[4];
    wchar_t *menu = nullptr, *programFiles = nullptr;
    SHGetKnownFolderPath(FOLDERID_CommonPrograms, 0, nullptr, &menu);
    SHGetKnownFolderPath(FOLDERID_ProgramFiles, 0, nullptr, &programFiles);
    const fs::path shortcut = fs::path(menu) / arguments[3];
    const auto nothingInstalled = [&] {
        bool none = !fs::exists(fs::path(programFiles) / L"Moltrava") && !fs::exists(shortcut.parent_path());
        for (int key = 4; key < count; ++key)
            none = none && !keyExists(arguments[key]);
        return none;
    };

    // On a Windows older than 10, as Wine reports it, the silent installer ends with its own error.
    setText(HKEY_CURRENT_USER, L"Software\\Wine", L"Version", L"win7");
    require(exitCode(installer) == 3 && nothingInstalled(), "the installer did not refuse Windows 7");
    setText(HKEY_CURRENT_USER, L"Software\\Wine", L"Version", L"win10");

    // An entry whose install is gone stands in no one's way; then an earlier install in a folder of
    // its own, and the upgrade, which finds it there.
    setText(HKEY_LOCAL_MACHINE, uninstallKey, L"UninstallString", L"\"C:\\gone\\Uninstall.exe\"");
    const fs::path earlier = L"C:\\Moltrava earlier";
    require(exitCode(installer + L" /D=" + earlier.wstring()) == 0 && exitCode(installer) == 0, "the installer failed");
    for (int key = 4; key < count; ++key)
        require(keyExists(arguments[key]), "the installer wrote no registry key");
    // The entry in the list of installed programs: the installed files' size in KiB, the program's icon.
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(earlier))
        bytes += entry.is_regular_file() ? entry.file_size() : 0;
    DWORD kib = 0, size = sizeof kib;
    RegGetValueW(HKEY_LOCAL_MACHINE, uninstallKey, L"EstimatedSize", RRF_RT_REG_DWORD, nullptr, &kib, &size);
    const fs::path icon = regText(uninstallKey, L"DisplayIcon");
    require(kib >= bytes / 1024 * 9 / 10 && kib <= bytes / 1024 * 11 / 10 + 1,
            "the uninstall entry's size is not in KiB");
    require(fs::is_regular_file(icon) && fs::equivalent(icon.parent_path(), earlier),
            "the uninstall entry's icon is not an installed file");
    require(regText(uninstallKey, L"DisplayVersion") == std::to_wstring(MOLTRAVA_VERSION_MAJOR) + L"." +
                                                            std::to_wstring(MOLTRAVA_VERSION_MINOR) + L"." +
                                                            std::to_wstring(MOLTRAVA_VERSION_REVISION) &&
                regText(uninstallKey, L"Publisher") == L"" MOLTRAVA_MAKER,
            "the uninstall entry names another version or maker");

    // The program's shortcut and, beside it, the uninstaller's, named in the installer's language.
    const auto [program, folder] = readShortcut(shortcut);
    std::vector<fs::path> others;
    std::ranges::remove_copy(fs::directory_iterator(shortcut.parent_path()), std::back_inserter(others), shortcut,
                             &fs::directory_entry::path);
    require(folder == earlier && !fs::exists(fs::path(programFiles) / L"Moltrava") && others.size() == 1,
            "the upgrade did not replace the earlier install in its folder");
    const std::wstring uninstallName = others[0].stem();
    require(L"\"" + readShortcut(others[0]).first.wstring() + L"\"" == regText(uninstallKey, L"UninstallString") &&
                std::ranges::any_of(uninstallName, [](wchar_t c) { return c >= 0x4E00 && c <= 0x9FFF; }),
            "the uninstaller's shortcut is not named in Chinese");

    // Interactively, while the program is not running: the bottom line names the program, the
    // licence page shows LICENSE's paragraphs; the pages are turned up to the last, Install.
    const Started walked = start(interactive);
    HWND wizard = nullptr;
    const auto page = [&] { return FindWindowExW(wizard, nullptr, L"#32770", nullptr); };
    require(waitFor([&] { return (wizard = dialogWith(1028)) != nullptr && IsWindowVisible(page()); }),
            "the installer showed no page");
    require(textOf(GetDlgItem(wizard, 1028)).find(L"" MOLTRAVA_NAME) != std::wstring::npos,
            "the installer's bottom line does not name the program");
    std::wstring licence;
    for (int turned = 0; turned < 3; ++turned) {
        const HWND shown = page();
        PostMessageW(wizard, WM_COMMAND, IDOK, 0);
        require(waitFor([&] { return page() != shown && IsWindowVisible(page()); }),
                "the installer did not turn a page");
        if (turned == 0)
            licence = textOf(GetDlgItem(page(), 1000));
    }
    std::ifstream file(fs::path(arguments[2]), std::ios::binary);
    const std::string bytesOfLicence{std::istreambuf_iterator<char>(file), {}};
    std::wstring expected(bytesOfLicence.size(), L'\0');
    expected.resize(MultiByteToWideChar(CP_UTF8, 0, bytesOfLicence.data(), static_cast<int>(bytesOfLicence.size()),
                                        expected.data(), static_cast<int>(expected.size())));
    require(!expected.empty() && paragraphs(licence) == paragraphs(expected),
            "the licence page's paragraphs are not LICENSE's");

    // The prefix is the test's own: the program's windows are the only ones of their class.
    const Started running = start(L"\"" + program.wstring() + L"\"", folder.c_str());
    HWND form = nullptr;
    require(waitFor([&] { return IsWindowVisible(form = FindWindowW(MOLTRAVA_MAIN_WINDOW_CLASS, nullptr)); }),
            "no main window");
    send(GetDlgItem(GetDlgItem(form, Frame1), Option2), BM_CLICK);
    send(GetDlgItem(form, Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1984"));
    send(GetDlgItem(form, Command1), BM_CLICK);
    // Named after its animal only when its picture was read, and as large as the picture (64 pixels
    // square at Wine's 96 dpi) within its sunken edge.
    const HWND picture = GetDlgItem(form, Picture1);
    require(waitFor([picture] {
                wchar_t name[8]{};
                RECT box{};
                GetWindowTextW(picture, name, 8);
                GetWindowRect(picture, &box);
                return std::wstring(name) == L"鼠" && box.right - box.left == 68 && box.bottom - box.top == 68;
            }),
            "the picture of 1984 was not shown");

    // While it runs, the silent installer and uninstaller end with an error; the interactive one asks
    // to close it, both when Install is pressed on the page it was left at and when it starts, and
    // stops when told to; none of them changes anything.
    const std::wstring before = listing(earlier) + listing(shortcut.parent_path());
    require(exitCode(installer) != 0 &&
                exitCode(regText(uninstallKey, L"UninstallString") + L" /S _?=" + earlier.wstring()) != 0,
            "a silent installer or uninstaller went on while the program ran");
    const auto cancelled = [&](const Started& asking, const char* what) {
        HWND retry = nullptr;
        require(waitFor([&] { return (retry = dialogWith(IDRETRY)) != nullptr; }), what);
        PostMessageW(retry, WM_COMMAND, IDCANCEL, 0);
        require(ended(asking) && listing(earlier) + listing(shortcut.parent_path()) == before,
                "a refused installer changed the install");
    };
    PostMessageW(wizard, WM_COMMAND, IDOK, 0);
    cancelled(walked, "the installer did not ask to close the program when Install was pressed");
    cancelled(start(interactive), "the installer did not ask to close the program when it started");
    PostMessageW(form, WM_CLOSE, 0, 0);
    HWND question = nullptr;
    require(waitFor([&] { return (question = FindWindowW(L"#32770", L"退出")) != nullptr; }), "no close question");
    send(GetDlgItem(question, IDYES), BM_CLICK);
    require(ended(running), "the program did not end");

    // The uninstall entry's command, as Add/Remove programs runs it, silently.
    require(ended(start(regText(uninstallKey, L"UninstallString") + L" /S")), "the uninstaller did not end");
    require(!fs::exists(earlier) && nothingInstalled(), "files or registry keys are left behind");
    std::printf("installed, ran from %ls, uninstalled: nothing left\n", folder.c_str());
    return 0;
}
