// mrvdate-convert: converts many dates at once with the window program's
// rules. One answer out for every entry in, so scripts can paste columns.
//
// Memory stays fixed whatever the input: no entry is kept beyond the block
// it arrives in. One that spans blocks is fed to the number reader piece by
// piece and, in the machine formats, echoed to the output as it arrives.

#include "BlockIo.h"
#include "Calendar.h"
#include "NumberReader.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int kAllConverted = 0;
constexpr int kSomeRefused = 1;
constexpr int kUsageOrIoError = 2;

constexpr std::string_view kUsage =
    "Usage: mrvdate-convert --from sc|ey|aw [--format line|tsv|jsonl] [-z] [ENTRY...]\n";

constexpr std::string_view kHelp =
    "Usage: mrvdate-convert --from sc|ey|aw [--format line|tsv|jsonl] [-z] [ENTRY...]\n"
    "Convert years between the calendars of the Morvane timeline: Space Century (sc),\n"
    "Earth Year (ey) and After War (aw).\n"
    "\n"
    "Each ENTRY is converted from the chosen calendar; with no ENTRY, entries are read\n"
    "from standard input, one per line (one trailing carriage return removed). Every\n"
    "entry gives exactly one answer: its result, or the refusal's message.\n"
    "\n"
    "  -f, --from CALENDAR  calendar of the entries: sc, ey or aw\n"
    "      --format FORMAT  line (the default): the result line or the message;\n"
    "                       tsv: tab-separated columns under a header row;\n"
    "                       jsonl: one JSON object per entry\n"
    "  -z, --null           entries and answers end with a NUL byte, not a line feed\n"
    "      --               end of options; later arguments are entries\n"
    "  -h, --help           show this help and exit\n"
    "  -V, --version        show the version and exit\n"
    "\n"
    "Entries use \".\" as decimal point. The line format writes the decimal separator\n"
    "of the current locale (LC_NUMERIC); tsv and jsonl always write \".\". An argument\n"
    "such as \"-30681\" is an entry, not an option.\n"
    "\n"
    "tsv columns: entry, sc, ey, aw, error, message. A converted entry fills sc, ey\n"
    "and aw; a refused one fills error (out-of-range or year-zero) and message. Tabs,\n"
    "line feeds, carriage returns, NULs and backslashes in an entry are written \\t,\n"
    "\\n, \\r, \\0 and \\\\.\n"
    "jsonl keys: entry, then sc, ey and aw, or error and message.\n"
    "\n"
    "Exit status: 0 if every entry converted, 1 if any was refused, 2 on a usage\n"
    "or input/output error.\n"
    "\n"
    "Examples:\n"
    "  $ mrvdate-convert --from sc 361.98\n"
    "  SC 361.98  -  EY 4370 AD  -  AW 2284\n"
    "  $ mrvdate-convert --from ey --format tsv 2002 0\n"
    "  entry\tsc\tey\taw\terror\tmessage\n"
    "  2002\t338.30\t2002 AD\tBW 84\t\t\n"
    "  0\t\t\t\tyear-zero\tThere is no such date as 0 AD.  The Gregorian calendar jumps from 1 BC to 1 AD.\n"
    "  $ mrvdate-convert --from aw --format jsonl 2284\n"
    "  {\"entry\":\"2284\",\"sc\":\"361.98\",\"ey\":\"4370 AD\",\"aw\":\"AW 2284\"}\n";

constexpr std::string_view kTry = "Try 'mrvdate-convert --help' for more information.\n";

void writeError(std::string_view what, int error)
{
    std::fprintf(stderr, "mrvdate-convert: %.*s: %s\n", static_cast<int>(what.size()), what.data(),
                 std::strerror(error));
}

int usageError(const std::string& problem)
{
    std::fprintf(stderr, "mrvdate-convert: %s\n%.*s%.*s", problem.c_str(), static_cast<int>(kUsage.size()),
                 kUsage.data(), static_cast<int>(kTry.size()), kTry.data());
    return kUsageOrIoError;
}

mrv::Output out;

enum class Format { Line, Tsv, Jsonl };

// Escapes an entry for a TSV field, piece by piece.
void putTsvEscaped(std::string_view text)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char* escape = c == '\t'   ? "\\t"
                             : c == '\n' ? "\\n"
                             : c == '\r' ? "\\r"
                             : c == '\\' ? "\\\\"
                             : c == '\0' ? "\\0"
                                         : nullptr;
        if (escape) {
            out.put(text.substr(start, i - start));
            out.put(std::string_view(escape, 2));
            start = i + 1;
        }
    }
    out.put(text.substr(start));
}

// Escapes an entry for a JSON string, piece by piece: a UTF-8 sequence may be
// split between pieces, and a byte that cannot be UTF-8 is written U+FFFD.
class JsonEscaper {
public:
    void put(std::string_view text)
    {
        for (char ch : text)
            byte(static_cast<unsigned char>(ch));
    }
    // The entry ended: an unfinished sequence is invalid.
    void finish()
    {
        if (pending_ > 0)
            replacement();
    }

private:
    void replacement()
    {
        out.put("\\ufffd");
        pending_ = needed_ = 0;
    }

    void byte(unsigned char b)
    {
        if (needed_ > 0) {
            if (b >= lower_ && b <= upper_) {
                sequence_[pending_++] = static_cast<char>(b);
                lower_ = 0x80, upper_ = 0xBF;
                if (pending_ == needed_) {
                    out.put(std::string_view(sequence_, pending_));
                    pending_ = needed_ = 0;
                }
                return;
            }
            replacement(); // and the byte starts afresh
        }
        if (b < 0x80) {
            ascii(static_cast<char>(b));
            return;
        }
        // Lead bytes, their sequence's length and the range of the byte after
        // them: no overlong forms, no surrogates, nothing beyond U+10FFFF.
        struct Lead {
            unsigned char first, last;
            std::size_t length;
            unsigned char lower, upper;
        };
        static constexpr Lead kLeads[] = {{0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
                                          {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F},
                                          {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
                                          {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F}};
        const auto lead = std::find_if(std::begin(kLeads), std::end(kLeads),
                                       [b](const Lead& l) { return b >= l.first && b <= l.last; });
        if (lead == std::end(kLeads)) {
            out.put("\\ufffd");
            return;
        }
        needed_ = lead->length;
        lower_ = lead->lower, upper_ = lead->upper;
        sequence_[0] = static_cast<char>(b);
        pending_ = 1;
    }

    static void ascii(char c)
    {
        static constexpr std::pair<char, std::string_view> kShort[] = {
            {'"', "\\\""}, {'\\', "\\\\"}, {'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}};
        for (const auto& [plain, escaped] : kShort) {
            if (c == plain) {
                out.put(escaped);
                return;
            }
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            const char escape[] = {'\\', 'u', '0', '0', kHex[(c >> 4) & 0xF], kHex[c & 0xF]};
            out.put(std::string_view(escape, sizeof escape));
            return;
        }
        out.put(c);
    }

    char sequence_[4] = {};
    std::size_t pending_ = 0;
    std::size_t needed_ = 0;
    unsigned char lower_ = 0x80, upper_ = 0xBF;
};

// Converts entries that arrive in pieces and writes one answer for each.
class Converter {
public:
    Converter(mrv::CalendarKind calendar, Format format, char terminator, std::string_view separator)
        : calendar_(calendar), format_(format), terminator_(terminator), separator_(separator)
    {
    }

    bool refused() const { return refused_; }

    void header()
    {
        if (format_ == Format::Tsv) {
            out.put("entry\tsc\tey\taw\terror\tmessage");
            out.put(terminator_);
        }
    }

    // A whole entry at once: the usual case, and the quickest.
    void whole(std::string_view text)
    {
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (format_ != Format::Line) {
            echo(text);
            answer(mrv::readLeadingNumber(text), text == "0");
            return;
        }
        // Straight into the output block: the line is never copied.
        char* p = out.reserve(mrv::ResultLine::kCapacity + 1);
        mrv::LinePieces at;
        const mrv::ConversionOutcome::Kind kind =
            mrv::convertEntry(calendar_, mrv::readLeadingNumber(text), text == "0", separator_, p, at);
        if (kind == mrv::ConversionOutcome::Kind::Converted) {
            p[at.size] = terminator_;
            out.commit(p + at.size + 1);
            return;
        }
        refused_ = true;
        endLine(kind);
    }

    // The next piece of an entry that arrives in parts.
    void piece(std::string_view text)
    {
        if (text.empty())
            return;
        for (std::size_t i = 0; length_ + i < 2 && i < text.size(); ++i)
            first_[length_ + i] = text[i];
        length_ += text.size();
        if (!reader_.done())
            reader_.feed(text);
        if (format_ != Format::Line) {
            if (heldReturn_)
                echo("\r");
            // A carriage return at the very end of the entry is not part of it.
            heldReturn_ = text.back() == '\r';
            echo(heldReturn_ ? text.substr(0, text.size() - 1) : text);
        }
    }

    // The entry that arrived in parts is complete: answer it.
    void end()
    {
        const bool isZero = (length_ == 1 || (length_ == 2 && first_[1] == '\r')) && first_[0] == '0';
        // A trailing carriage return cannot change the number: it ends it.
        answer(reader_.result(), isZero);
        reader_.reset();
        length_ = 0;
        heldReturn_ = false;
    }

private:
    void start()
    {
        if (format_ == Format::Jsonl)
            out.put("{\"entry\":\"");
    }

    void answer(std::optional<double> value, bool isZero)
    {
        const mrv::ConversionOutcome::Kind kind =
            mrv::convertEntry(calendar_, value, isZero, separator_, line_);
        if (kind != mrv::ConversionOutcome::Kind::Converted)
            refused_ = true;
        switch (format_) {
        case Format::Line:
            endLine(kind);
            break;
        case Format::Tsv:
            endTsv(kind);
            break;
        case Format::Jsonl:
            endJson(kind);
            break;
        }
    }

    void echo(std::string_view text)
    {
        if (!started_) {
            start();
            started_ = true;
        }
        if (format_ == Format::Tsv)
            putTsvEscaped(text);
        else
            json_.put(text);
    }

    static std::string_view message(mrv::ConversionOutcome::Kind kind)
    {
        return kind == mrv::ConversionOutcome::Kind::YearZero ? mrv::kYearZeroMessage
                                                              : mrv::kOutOfRangeMessage;
    }
    static std::string_view errorName(mrv::ConversionOutcome::Kind kind)
    {
        return kind == mrv::ConversionOutcome::Kind::YearZero ? "year-zero" : "out-of-range";
    }

    void endLine(mrv::ConversionOutcome::Kind kind)
    {
        std::string_view text =
            kind == mrv::ConversionOutcome::Kind::Converted ? line_.line() : message(kind);
        char* p = out.reserve(text.size() + 1);
        std::memcpy(p, text.data(), text.size());
        p[text.size()] = terminator_;
        out.commit(p + text.size() + 1);
    }

    void endTsv(mrv::ConversionOutcome::Kind kind)
    {
        started_ = false;
        if (kind == mrv::ConversionOutcome::Kind::Converted) {
            char* p = out.reserve(mrv::ResultLine::kCapacity + 8);
            for (std::string_view piece : {line_.sc(), line_.ey(), line_.aw()}) {
                *p++ = '\t';
                std::memcpy(p, piece.data(), piece.size());
                p += piece.size();
            }
            *p++ = '\t';
            *p++ = '\t';
            *p++ = terminator_;
            out.commit(p);
            return;
        }
        out.put("\t\t\t\t");
        out.put(errorName(kind));
        out.put('\t');
        out.put(message(kind));
        out.put(terminator_);
    }

    void endJson(mrv::ConversionOutcome::Kind kind)
    {
        if (!started_)
            start();
        started_ = false;
        json_.finish();
        if (kind == mrv::ConversionOutcome::Kind::Converted) {
            out.put("\",\"sc\":\"");
            out.put(line_.sc());
            out.put("\",\"ey\":\"");
            out.put(line_.ey());
            out.put("\",\"aw\":\"");
            out.put(line_.aw());
        } else {
            out.put("\",\"error\":\"");
            out.put(errorName(kind));
            out.put("\",\"message\":\"");
            out.put(message(kind));
        }
        out.put("\"}");
        out.put(terminator_);
    }

    const mrv::CalendarKind calendar_;
    const Format format_;
    const char terminator_;
    const std::string_view separator_;
    mrv::NumberReader reader_;
    mrv::ResultLine line_;
    JsonEscaper json_;
    std::size_t length_ = 0; // bytes of the entry so far; only 0, 1, 2 and more matter
    char first_[2] = {};
    bool heldReturn_ = false;
    bool started_ = false;
    bool refused_ = false;
};

bool looksLikeOption(std::string_view arg)
{
    // "-5", "-.5" and a lone "-" are entries: BC and BW years are negative.
    return arg.size() >= 2 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

// Writes a text that --help or --version asked for.
int writeRequested(std::string_view text)
{
    out.put(text);
    out.flush();
    if (!out.ok()) {
        writeError("write error", out.error());
        return kUsageOrIoError;
    }
    return kAllConverted;
}

int run(int argc, char** argv)
{
    std::optional<std::string> from;
    std::optional<std::string> formatName;
    bool nul = false;
    std::vector<std::string_view> entries;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        auto value = [&](std::optional<std::string>& slot, std::string_view name, const char* what) -> int {
            if (slot)
                return usageError("option '" + std::string(name) + "' given more than once");
            if (arg.size() > name.size() && arg[name.size()] == '=') {
                slot = std::string(arg.substr(name.size() + 1));
            } else if (i + 1 < argc) {
                slot = argv[++i];
            } else {
                return usageError("option '" + std::string(arg) + "' needs " + what);
            }
            return 0;
        };
        if (optionsEnded || !looksLikeOption(arg)) {
            entries.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            return writeRequested(kHelp);
        } else if (arg == "-V" || arg == "--version") {
            return writeRequested("mrvdate-convert " MRVDATE_VERSION "\n");
        } else if (arg == "-f" || arg == "--from" || arg.starts_with("--from=")) {
            if (int status = value(from, arg == "-f" ? "-f" : "--from", "a calendar (sc, ey or aw)"))
                return status;
        } else if (arg == "--format" || arg.starts_with("--format=")) {
            if (int status = value(formatName, "--format", "a format (line, tsv or jsonl)"))
                return status;
        } else if (arg == "-z" || arg == "--null") {
            nul = true;
        } else {
            return usageError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (!from)
        return usageError("missing --from: say which calendar the entries are on (sc, ey or aw)");
    std::optional<mrv::CalendarKind> calendar = mrv::calendarFromName(*from);
    if (!calendar)
        return usageError("unknown calendar '" + *from + "' (use sc, ey or aw)");
    Format format = Format::Line;
    if (formatName) {
        if (*formatName == "tsv")
            format = Format::Tsv;
        else if (*formatName == "jsonl")
            format = Format::Jsonl;
        else if (*formatName != "line")
            return usageError("unknown format '" + *formatName + "' (use line, tsv or jsonl)");
    }

    // Machine formats are read by programs: "." whatever the locale.
    const char* point = std::localeconv()->decimal_point;
    const std::string_view separator = format == Format::Line && point && *point ? point : ".";
    const char terminator = nul ? '\0' : '\n';
    Converter convert(*calendar, format, terminator, separator);
    convert.header();
    int readError = 0;
    if (entries.empty()) {
        readError = mrv::splitStandardInput(out, terminator, convert);
    } else {
        for (std::string_view entry : entries)
            convert.whole(entry);
    }
    out.flush();
    if (!out.ok()) {
        writeError("write error", out.error());
        return kUsageOrIoError;
    }
    if (readError) {
        writeError("standard input", readError);
        return kUsageOrIoError;
    }
    return convert.refused() ? kSomeRefused : kAllConverted;
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        // Every answer already made goes out before the message.
        out.flush();
        std::fputs("mrvdate-convert: out of memory\n", stderr);
        return kUsageOrIoError;
    }
}
