// mrvdate-convert: converts many dates at once with the window program's
// rules. One line out for every entry in, so scripts can paste columns.

#include "Calendar.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kAllConverted = 0;
constexpr int kSomeRefused = 1;
constexpr int kUsageOrIoError = 2;

constexpr const char* kUsage = "Usage: mrvdate-convert --from sc|ey|aw [ENTRY...]\n";

constexpr const char* kHelp =
    "Usage: mrvdate-convert --from sc|ey|aw [ENTRY...]\n"
    "Convert years between the calendars of the Morvane timeline: Space Century (sc),\n"
    "Earth Year (ey) and After War (aw).\n"
    "\n"
    "Each ENTRY is converted from the chosen calendar; with no ENTRY, entries are read\n"
    "from standard input, one per line. Every entry gives exactly one output line: the\n"
    "result line, or the refusal's message.\n"
    "\n"
    "  -f, --from CALENDAR  calendar of the entries: sc, ey or aw\n"
    "      --               end of options; later arguments are entries\n"
    "  -h, --help           show this help and exit\n"
    "  -V, --version        show the version and exit\n"
    "\n"
    "Entries use \".\" as decimal point; results are written with the decimal\n"
    "separator of the current locale (LC_NUMERIC). An argument such as \"-30681\"\n"
    "is an entry, not an option.\n"
    "\n"
    "Exit status: 0 if every entry converted, 1 if any was refused, 2 on a usage\n"
    "or input/output error.\n"
    "\n"
    "Example: mrvdate-convert --from sc 361.98\n"
    "  SC 361.98  -  EY 4370 AD  -  AW 2284\n";

int usageError(const std::string& problem)
{
    std::fprintf(stderr, "mrvdate-convert: %s\n%s", problem.c_str(), kUsage);
    return kUsageOrIoError;
}

// Output is collected and written in blocks; flushing before every blocking
// read keeps a line-by-line conversation with another program working.
class Output {
public:
    bool ok() const { return ok_; }
    void line(std::string_view text)
    {
        buffer_.append(text);
        buffer_.push_back('\n');
        if (buffer_.size() >= 1 << 16)
            flush();
    }
    void flush()
    {
        std::size_t done = 0;
        while (ok_ && done < buffer_.size()) {
            ssize_t n = ::write(STDOUT_FILENO, buffer_.data() + done, buffer_.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                ok_ = false;
            else
                done += static_cast<std::size_t>(n);
        }
        buffer_.clear();
    }

private:
    std::string buffer_;
    bool ok_ = true;
};

struct Converter {
    mrv::CalendarKind calendar;
    std::string separator;
    Output& out;
    bool refused = false;

    void operator()(std::string_view entry)
    {
        mrv::ConversionOutcome outcome = mrv::convert(calendar, entry, separator);
        switch (outcome.kind) {
        case mrv::ConversionOutcome::Kind::Converted:
            out.line(outcome.line);
            return;
        case mrv::ConversionOutcome::Kind::OutOfRange:
            out.line(mrv::kOutOfRangeMessage);
            break;
        case mrv::ConversionOutcome::Kind::YearZero:
            out.line(mrv::kYearZeroMessage);
            break;
        }
        refused = true;
    }
};

// Streams standard input: entries split on "\n", one trailing "\r" removed.
bool convertStandardInput(Converter& convert)
{
    std::string pending;
    std::vector<char> block(1 << 16);
    for (;;) {
        convert.out.flush();
        if (!convert.out.ok())
            return false;
        ssize_t n = ::read(STDIN_FILENO, block.data(), block.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        std::string_view chunk(block.data(), static_cast<std::size_t>(n));
        std::size_t start = 0;
        for (std::size_t nl; (nl = chunk.find('\n', start)) != std::string_view::npos; start = nl + 1) {
            std::string_view piece = chunk.substr(start, nl - start);
            std::string_view entry = piece;
            if (!pending.empty()) {
                pending.append(piece);
                entry = pending;
            }
            if (!entry.empty() && entry.back() == '\r')
                entry.remove_suffix(1);
            convert(entry);
            pending.clear();
        }
        pending.append(chunk.substr(start));
    }
    if (!pending.empty()) {
        std::string_view entry = pending;
        if (entry.back() == '\r')
            entry.remove_suffix(1);
        convert(entry);
    }
    convert.out.flush();
    return convert.out.ok();
}

bool looksLikeOption(std::string_view arg)
{
    // "-5", "-.5" and a lone "-" are entries: BC and BW years are negative.
    return arg.size() >= 2 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");

    std::optional<std::string> from;
    std::vector<std::string_view> entries;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (optionsEnded || !looksLikeOption(arg)) {
            entries.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            std::fputs(kHelp, stdout);
            return std::fflush(stdout) == 0 ? kAllConverted : kUsageOrIoError;
        } else if (arg == "-V" || arg == "--version") {
            std::printf("mrvdate-convert %s\n", MRVDATE_VERSION);
            return std::fflush(stdout) == 0 ? kAllConverted : kUsageOrIoError;
        } else if (arg == "-f" || arg == "--from") {
            if (i + 1 >= argc)
                return usageError("option '" + std::string(arg) + "' needs a calendar (sc, ey or aw)");
            from = argv[++i];
        } else if (arg.substr(0, 7) == "--from=") {
            from = std::string(arg.substr(7));
        } else {
            return usageError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (!from)
        return usageError("missing --from: say which calendar the entries are on (sc, ey or aw)");
    std::optional<mrv::CalendarKind> calendar = mrv::calendarFromName(*from);
    if (!calendar)
        return usageError("unknown calendar '" + *from + "' (use sc, ey or aw)");

    const char* point = std::localeconv()->decimal_point;
    Output out;
    Converter convert{*calendar, point && *point ? point : ".", out};
    bool ok = true;
    if (entries.empty()) {
        ok = convertStandardInput(convert);
    } else {
        for (std::string_view entry : entries)
            convert(entry);
        out.flush();
        ok = out.ok();
    }
    if (!ok) {
        std::fprintf(stderr, "mrvdate-convert: %s\n", std::strerror(errno));
        return kUsageOrIoError;
    }
    return convert.refused ? kSomeRefused : kAllConverted;
}
