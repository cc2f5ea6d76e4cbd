// Runs start-up programs interleaved, round after round, so that every
// program meets the same machine state, and prints for each the median wall
// time from start to exit and the median peak resident memory:
//   startup_rounds ROUNDS NAME=PROGRAM...
// prints "NAME MEDIAN_MS PEAK_KIB" lines. Each round starts with a different
// program, and two warm-up rounds are not counted.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Program {
    std::string name;
    std::string path;
    std::vector<double> ms;
    std::vector<long> peakKiB;
};

// One run: wall time in milliseconds and peak resident memory in KiB; a
// negative time when the program failed.
std::pair<double, long> runOnce(const std::string& path)
{
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return {-1, 0};
    clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {-1, 0};
    const double ms = (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
    return {ms, usage.ru_maxrss};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_rounds ROUNDS NAME=PROGRAM...\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "not NAME=PROGRAM: %s\n", argv[i]);
            return 2;
        }
        programs.push_back({arg.substr(0, eq), arg.substr(eq + 1), {}, {}});
    }
    constexpr int kWarmUp = 2;
    const auto n = programs.size();
    for (int round = 0; round < kWarmUp + rounds; ++round) {
        for (std::size_t k = 0; k < n; ++k) {
            Program& p = programs[(k + static_cast<std::size_t>(round)) % n];
            const auto [ms, kib] = runOnce(p.path);
            if (ms < 0) {
                std::fprintf(stderr, "%s failed\n", p.path.c_str());
                return 1;
            }
            if (round >= kWarmUp) {
                p.ms.push_back(ms);
                p.peakKiB.push_back(kib);
            }
        }
    }
    for (const Program& p : programs)
        std::printf("%s %.2f %ld\n", p.name.c_str(), median(p.ms), median(p.peakKiB));
    return 0;
}
