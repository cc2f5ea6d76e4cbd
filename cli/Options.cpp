#include "Options.h"

#include <charconv>
#include <getopt.h>
#include <optional>
#include <vector>

namespace mrv::cli {
namespace {

// Values of the long options that have no short form.
enum : int { kFormat = 256, kField, kHeader, kLenient };

constexpr option kLongOptions[] = {{"from", required_argument, nullptr, 'f'},
                                   {"format", required_argument, nullptr, kFormat},
                                   {"field", required_argument, nullptr, kField},
                                   {"header", no_argument, nullptr, kHeader},
                                   {"lenient", no_argument, nullptr, kLenient},
                                   {"null", no_argument, nullptr, 'z'},
                                   {"help", no_argument, nullptr, 'h'},
                                   {"version", no_argument, nullptr, 'V'},
                                   {nullptr, 0, nullptr, 0}};

// "+": stop at the first argument that is not an option, so that entries
// are taken here, in order, and never permuted; ":": report a missing
// value apart from an unknown option.
constexpr const char* kShortOptions = "+:f:zhV";

bool isEntry(std::string_view arg)
{
    return arg.size() < 2 || arg[0] != '-' || (arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.';
}

// The option an argument names, for a message: "--fo" of "--fo=x", or the
// short option getopt_long refused within a group such as "-zq".
std::string optionNamed(std::string_view arg, int shortOption)
{
    if (arg.starts_with("--"))
        return std::string(arg.substr(0, arg.find('=')));
    return std::string("-") + static_cast<char>(shortOption);
}

// The long options that a name (without "--") may stand for: itself
// exactly, or every one it is a prefix of.
std::vector<const option*> longOptionsNamed(std::string_view name)
{
    std::vector<const option*> matches;
    for (const option& o : kLongOptions) {
        if (!o.name || name.empty() || !std::string_view(o.name).starts_with(name))
            continue;
        if (name == o.name)
            return {&o};
        matches.push_back(&o);
    }
    return matches;
}

// Why getopt_long refused the argument `arg`.
std::string refusal(std::string_view arg, int shortOption)
{
    const std::string name = optionNamed(arg, shortOption);
    if (!arg.starts_with("--"))
        return "unknown option '" + name + "'";
    const std::vector<const option*> matches = longOptionsNamed(std::string_view(name).substr(2));
    if (matches.size() == 1 && matches.front()->has_arg == no_argument)
        return "option '--" + std::string(matches.front()->name) + "' takes no value";
    if (matches.size() > 1) {
        std::string names;
        for (const option* o : matches)
            names += (names.empty() ? "--" : ", --") + std::string(o->name);
        return "option '" + name + "' is ambiguous: " + names;
    }
    return "unknown option '" + name + "'";
}

std::optional<Format> formatFromName(std::string_view name)
{
    if (name == "line")
        return Format::Line;
    if (name == "tsv")
        return Format::Tsv;
    if (name == "csv")
        return Format::Csv;
    if (name == "jsonl")
        return Format::Jsonl;
    return std::nullopt;
}

Request usage(std::string problem)
{
    Request r;
    r.what = Request::What::UsageError;
    r.problem = std::move(problem);
    return r;
}

} // namespace

Request parseOptions(int argc, char** argv)
{
    Request request;
    Options& o = request.options;
    std::optional<std::string_view> from, format, field;
    opterr = 0; // the messages are ours, named after the program, not argv[0]
    optind = 0; // starts afresh, also after an earlier parse that ended in an error
    getopt_long(1, argv, kShortOptions, kLongOptions, nullptr);
    optind = 1;
    while (optind < argc) {
        // The argument getopt_long reads next: it stays on a group of short
        // options until the group's last one, so this names the argument an
        // error is about.
        const std::string_view arg = argv[optind];
        // Entries are taken here, before getopt_long could read "-5" as an
        // option; never in the middle of a group of short options, as no
        // group starts like an entry.
        if (arg == "--") {
            for (int i = optind + 1; i < argc; ++i)
                o.entries.emplace_back(argv[i]);
            break;
        }
        if (isEntry(arg)) {
            o.entries.push_back(arg);
            ++optind;
            continue;
        }
        const int c = getopt_long(argc, argv, kShortOptions, kLongOptions, nullptr);
        auto once = [](std::optional<std::string_view>& slot) {
            if (slot)
                return false;
            slot = optarg;
            return true;
        };
        switch (c) {
        case 'f':
            if (!once(from))
                return usage("option '--from' given more than once");
            break;
        case kFormat:
            if (!once(format))
                return usage("option '--format' given more than once");
            break;
        case kField:
            if (!once(field))
                return usage("option '--field' given more than once");
            break;
        case kHeader:
            o.header = true;
            break;
        case kLenient:
            o.lenient = true;
            break;
        case 'z':
            o.nul = true;
            break;
        case 'h':
            request.what = Request::What::Help;
            return request;
        case 'V':
            request.what = Request::What::Version;
            return request;
        case ':': {
            const char* what = optopt == kFormat  ? "a format (line, tsv, csv or jsonl)"
                               : optopt == kField ? "a field number"
                                                  : "a calendar (sc, ey or aw)";
            return usage("option '" + optionNamed(arg, optopt) + "' needs " + what);
        }
        default:
            return usage(refusal(arg, optopt));
        }
    }
    if (!from)
        return usage("missing --from: say which calendar the entries are on (sc, ey or aw)");
    const std::optional<CalendarKind> calendar = calendarFromName(*from);
    if (!calendar)
        return usage("unknown calendar '" + std::string(*from) + "' (use sc, ey or aw)");
    o.calendar = *calendar;
    if (format) {
        const std::optional<Format> f = formatFromName(*format);
        if (!f)
            return usage("unknown format '" + std::string(*format) + "' (use line, tsv, csv or jsonl)");
        o.format = *f;
    }
    if (field) {
        const char* const end = field->data() + field->size();
        auto [stop, error] = std::from_chars(field->data(), end, o.field);
        if (error != std::errc() || stop != end || o.field == 0)
            return usage("'--field' needs a field number from 1 up, not '" + std::string(*field) + "'");
        if (o.format != Format::Tsv && o.format != Format::Csv)
            return usage("'--field' needs '--format tsv' or '--format csv': the table's format");
    }
    if (o.header && !field)
        return usage("'--header' goes with '--field': it passes the table's first row through");
    return request;
}

} // namespace mrv::cli
