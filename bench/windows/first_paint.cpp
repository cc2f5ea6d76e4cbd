// Start-up to first paint of Windows programs, interleaved: each round
// starts every program once, in turn, and takes the time from CreateProcess
// to the moment a visible top-level window of it and all its controls have
// nothing left to paint. The program is first let reach its message loop
// (WaitForInputIdle); the window is then polled, as a thread of another
// program may go idle before the window is shown. Then the program is ended.
//   first_paint ROUNDS PROGRAM...
// prints one line per program: its median milliseconds and its path.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD process;
    HWND window = nullptr;
};

BOOL CALLBACK anyPending(HWND window, LPARAM pending)
{
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE))
        *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
}

BOOL CALLBACK findShown(HWND window, LPARAM search)
{
    auto& s = *reinterpret_cast<Search*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != s.process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    s.window = window;
    return FALSE;
}

// Whether the process shows a window that it has painted whole.
bool painted(DWORD process)
{
    Search search{process};
    EnumWindows(findShown, reinterpret_cast<LPARAM>(&search));
    if (!search.window || GetUpdateRect(search.window, nullptr, FALSE))
        return false;
    bool pending = false;
    EnumChildWindows(search.window, anyPending, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

// Milliseconds from start to first paint, or a negative number on failure.
double startOnce(const std::wstring& program)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    bool shown = WaitForInputIdle(process.hProcess, 30000) == 0;
    while (shown && !painted(process.dwProcessId)) {
        shown = now() - start < 30000;
        Sleep(1);
    }
    const double elapsed = now() - start;
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown ? elapsed : -2;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_paint ROUNDS PROGRAM...\n");
        return 2;
    }
    const int rounds = std::max(1, _wtoi(argv[1]));
    std::vector<std::vector<double>> times(static_cast<std::size_t>(argc - 2));
    for (int round = 0; round < rounds; ++round)
        for (int p = 2; p < argc; ++p) {
            const double ms = startOnce(argv[p]);
            if (ms < 0) {
                std::fprintf(stderr, "%ls did not start or showed no painted window\n", argv[p]);
                return 1;
            }
            times[static_cast<std::size_t>(p - 2)].push_back(ms);
        }
    for (int p = 2; p < argc; ++p) {
        std::vector<double>& t = times[static_cast<std::size_t>(p - 2)];
        std::sort(t.begin(), t.end());
        std::printf("%.1f\t%ls\n", t[t.size() / 2], argv[p]);
    }
    return 0;
}
