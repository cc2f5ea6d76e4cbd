// Start-up to first paint of Windows programs, interleaved: each round
// starts every program once, in turn, and takes the time from CreateProcess
// to the moment its one thread first waits for input with nothing left to
// do (WaitForInputIdle), which is after the window and all its controls have
// painted: paint messages come before idleness. Then the program is ended.
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

// Milliseconds from start to first idle, or a negative number on failure.
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
    const DWORD idle = WaitForInputIdle(process.hProcess, 30000);
    const double elapsed = now() - start;
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return idle == 0 ? elapsed : -2;
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
                std::fprintf(stderr, "%ls did not start or never went idle\n", argv[p]);
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
