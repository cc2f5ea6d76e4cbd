// Runs programs interleaved, round after round, so that every program meets
// the same machine state, and prints for each the medians of its wall time
// from start to exit, its CPU time (user + system, to the microsecond, from
// the kernel's accounting of the child) and its peak resident memory:
//   rounds ROUNDS < SPECS
// Each line of SPECS, tab-separated: NAME, the highest exit status that
// counts as success, the standard input ("-": none), PROGRAM, ARGUMENTS...
// Prints "NAME WALL_MS CPU_MS PEAK_KIB" lines. Each round starts with a
// different program, and two warm-up rounds are not counted. Standard
// output goes to /dev/null.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Program {
    std::string name;
    int maxStatus = 0;
    std::string input;
    std::vector<std::string> argv;
    std::vector<double> wallMs, cpuMs;
    std::vector<long> peakKiB;
};

struct Run {
    bool ok = false;
    double wallMs = 0, cpuMs = 0;
    long peakKiB = 0;
};

Run runOnce(const Program& p)
{
    std::vector<char*> argv;
    for (const std::string& a : p.argv)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        if (p.input != "-") {
            const int in = open(p.input.c_str(), O_RDONLY);
            if (in < 0)
                _exit(127);
            dup2(in, STDIN_FILENO);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return {};
    clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || WEXITSTATUS(status) > p.maxStatus)
        return {};
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {true, (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6,
            ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: rounds ROUNDS < SPECS\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (std::string line; std::getline(std::cin, line);) {
        std::vector<std::string> fields;
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        if (fields.size() < 4) {
            std::fprintf(stderr, "not NAME, STATUS, INPUT, PROGRAM...: %s\n", line.c_str());
            return 2;
        }
        Program p;
        p.name = fields[0];
        p.maxStatus = std::atoi(fields[1].c_str());
        p.input = fields[2];
        p.argv.assign(fields.begin() + 3, fields.end());
        programs.push_back(std::move(p));
    }
    constexpr int kWarmUp = 2;
    const auto n = programs.size();
    for (int round = 0; round < kWarmUp + rounds; ++round) {
        for (std::size_t k = 0; k < n; ++k) {
            Program& p = programs[(k + static_cast<std::size_t>(round)) % n];
            const Run run = runOnce(p);
            if (!run.ok) {
                std::fprintf(stderr, "%s failed\n", p.name.c_str());
                return 1;
            }
            if (round >= kWarmUp) {
                p.wallMs.push_back(run.wallMs);
                p.cpuMs.push_back(run.cpuMs);
                p.peakKiB.push_back(run.peakKiB);
            }
        }
    }
    for (const Program& p : programs)
        std::printf("%s %.2f %.2f %ld\n", p.name.c_str(), median(p.wallMs), median(p.cpuMs),
                    median(p.peakKiB));
    return 0;
}
