#include "Options.h"

#include "OptionTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <getopt.h>
#include <optional>
#include <vector>

namespace mrv::cli {
namespace {

constexpr std::size_t kOptionCount = std::size(kOptionSpecs);

// getopt_long's table, made from the definitions.
const option* longOptions()
{
    static const auto table = [] {
        std::array<option, kOptionCount + 1> t{};
        for (std::size_t i = 0; i < kOptionCount; ++i) {
            const OptionSpec& s = kOptionSpecs[i];
            t[i] = {s.name.data(), s.value.empty() ? no_argument : required_argument, nullptr, s.id};
        }
        return t;
    }();
    return table.data();
}

// "+": stop at the first argument that is not an option, so that entries
// are taken here, in order, and never permuted; ":": report a missing
// value apart from an unknown option.
const char* shortOptions()
{
    static const std::string text = [] {
        std::string t = "+:";
        for (const OptionSpec& s : kOptionSpecs) {
            if (s.id < 256) {
                t += static_cast<char>(s.id);
                t += s.value.empty() ? "" : ":";
            }
        }
        return t;
    }();
    return text.c_str();
}

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

// The options that a long name (without "--") may stand for: itself
// exactly, or every one it is a prefix of.
std::vector<const OptionSpec*> optionsNamed(std::string_view name)
{
    std::vector<const OptionSpec*> matches;
    for (const OptionSpec& s : kOptionSpecs) {
        if (name.empty() || !s.name.starts_with(name))
            continue;
        if (name == s.name)
            return {&s};
        matches.push_back(&s);
    }
    return matches;
}

// Why getopt_long refused the argument `arg`.
std::string refusal(std::string_view arg, int shortOption)
{
    const std::string name = optionNamed(arg, shortOption);
    if (!arg.starts_with("--"))
        return "unknown option '" + name + "'";
    const std::vector<const OptionSpec*> matches = optionsNamed(std::string_view(name).substr(2));
    if (matches.size() == 1 && matches.front()->value.empty())
        return "option '--" + std::string(matches.front()->name) + "' takes no value";
    if (matches.size() > 1) {
        std::string names;
        for (const OptionSpec* s : matches)
            names += (names.empty() ? "--" : ", --") + std::string(s->name);
        return "option '" + name + "' is ambiguous: " + names;
    }
    return "unknown option '" + name + "'";
}

// " (sc, ey or aw)" after an option's noun, when it takes a list.
std::string valuesHint(const OptionSpec& definition, std::string_view lead)
{
    return definition.values.empty() ? "" : " (" + std::string(lead) + joinValues(definition.values) + ")";
}

// The options as given: each value once, as text.
struct Given {
    std::array<std::optional<std::string_view>, kOptionCount> values;
    bool header = false, lenient = false, classic = false, nul = false;

    std::optional<std::string_view> operator[](OptionId id) const
    {
        return values[static_cast<std::size_t>(&optionSpec(id) - kOptionSpecs)];
    }
};

// Takes the option getopt_long returned; a problem, or nothing.
std::optional<std::string> take(int c, std::string_view arg, Given& given, Request& request)
{
    switch (c) {
    case kHeader:
        given.header = true;
        return {};
    case kLenient:
        given.lenient = true;
        return {};
    case kClassic:
        given.classic = true;
        return {};
    case kNull:
        given.nul = true;
        return {};
    case kHelp:
        request.what = Request::What::Help;
        return {};
    case kVersion:
        request.what = Request::What::Version;
        return {};
    case ':': {
        const OptionSpec& definition = optionSpec(static_cast<OptionId>(optopt));
        return "option '" + optionNamed(arg, optopt) + "' needs a " + std::string(definition.noun) +
               valuesHint(definition, "");
    }
    default:
        break;
    }
    const auto definition = std::find_if(std::begin(kOptionSpecs), std::end(kOptionSpecs),
                                         [c](const OptionSpec& s) { return s.id == c && !s.value.empty(); });
    if (definition == std::end(kOptionSpecs))
        return refusal(arg, optopt);
    auto& slot = given.values[static_cast<std::size_t>(definition - kOptionSpecs)];
    if (slot) // a second --from would silently change the entries before it
        return "option '--" + std::string(definition->name) + "' given more than once";
    slot = optarg;
    return {};
}

// Reads the arguments into `given` and the entries; a usage problem, or
// nothing. --help and --version end the reading.
std::optional<std::string> readArguments(int argc, char** argv, Given& given, Request& request)
{
    opterr = 0; // the messages are ours, named after the program, not argv[0]
    optind = 0; // starts afresh, also after an earlier parse that ended in an error
    getopt_long(1, argv, shortOptions(), longOptions(), nullptr);
    optind = 1;
    while (optind < argc && request.what == Request::What::Run) {
        // The argument getopt_long reads next: it stays on a group of short
        // options until the group's last one, so this names the argument an
        // error is about. Entries are taken here, before getopt_long could
        // read "-5" as an option; no group of short options starts like one.
        const std::string_view arg = argv[optind];
        if (arg == "--") {
            for (int i = optind + 1; i < argc; ++i)
                request.options.entries.emplace_back(argv[i]);
            break;
        }
        if (isEntry(arg)) {
            request.options.entries.push_back(arg);
            ++optind;
            continue;
        }
        const int c = getopt_long(argc, argv, shortOptions(), longOptions(), nullptr);
        if (std::optional<std::string> problem = take(c, arg, given, request))
            return problem;
    }
    return {};
}

std::string unknownValue(OptionId id, std::string_view value)
{
    const OptionSpec& definition = optionSpec(id);
    return "unknown " + std::string(definition.noun) + " '" + std::string(value) + "'" +
           valuesHint(definition, "use ");
}

std::optional<std::string> checkColumns(std::string_view list, Columns& columns)
{
    columns.size = 0;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view name = list.substr(start, comma - start);
        const int index = valueIndex(kColumnNames, name);
        if (index < 0)
            return unknownValue(kColumns, name);
        const auto column = static_cast<Column>(index);
        if (std::find(columns.begin(), columns.end(), column) != columns.end())
            return "column '" + std::string(name) + "' given more than once in '--columns'";
        columns.list[columns.size++] = column;
        start = comma + 1;
    }
    return {};
}

// A single byte that no answer column holds unquoted, so that the columns
// stay columns; "\t" stands for a tab.
std::optional<std::string> checkDelimiter(std::string_view text, char& delimiter)
{
    const std::string_view d = text == "\\t" ? "\t" : text;
    const auto c = d.empty() ? '\0' : d.front();
    const bool letterOrDigit = (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
    if (d.size() != 1 || letterOrDigit || std::string_view("\"\r\n .-_+").find(c) != std::string_view::npos)
        return "'--delimiter' needs one character that is not a letter, digit, quote, line end, "
               "space or one of . - _ +, not '" +
               std::string(text) + "'";
    delimiter = c;
    return {};
}

std::optional<std::string> checkField(std::string_view field, bool header, Options& o)
{
    const char* const end = field.data() + field.size();
    auto [stop, error] = std::from_chars(field.data(), end, o.field);
    const bool number = error == std::errc() && stop == end && !field.starts_with('+');
    if (!number && header && !field.empty()) {
        o.field = 0;
        o.fieldName = field;
    } else if (!number || o.field == 0) {
        return "'--field' needs a field number from 1 up, or with '--header' a column name, not '" +
               std::string(field) + "'";
    }
    if (o.format != Format::Tsv && o.format != Format::Csv)
        return std::string("'--field' needs '--format tsv' or '--format csv': the table's format");
    return {};
}

// Turns the values given into the options; a usage problem, or nothing.
std::optional<std::string> checkValues(const Given& given, Options& o)
{
    const std::optional<std::string_view> from = given[kFrom], format = given[kFormat], field = given[kField],
                                          columns = given[kColumns], delimiter = given[kDelimiter];
    if (!from)
        return "missing --from: say which calendar the entries are on" + valuesHint(optionSpec(kFrom), "");
    const std::optional<CalendarKind> calendar = calendarFromName(*from);
    if (!calendar)
        return unknownValue(kFrom, *from);
    o.calendar = *calendar;
    const int f = format ? valueIndex(kFormatNames, *format) : 0;
    if (f < 0)
        return unknownValue(kFormat, *format);
    o.format = static_cast<Format>(f);
    o.header = given.header, o.lenient = given.lenient, o.classic = given.classic, o.nul = given.nul;
    if (field) {
        if (std::optional<std::string> problem = checkField(*field, given.header, o))
            return problem;
    }
    if (o.header && !field)
        return std::string("'--header' goes with '--field': it passes the table's first row through");
    if (columns && o.format == Format::Line)
        return std::string("'--columns' needs '--format tsv', 'csv' or 'jsonl'");
    if (columns) {
        if (std::optional<std::string> problem = checkColumns(*columns, o.columns))
            return problem;
    }
    if (delimiter && o.format != Format::Csv)
        return std::string("'--delimiter' goes with '--format csv'");
    if (delimiter)
        return checkDelimiter(*delimiter, o.delimiter);
    return {};
}

} // namespace

Request parseOptions(int argc, char** argv)
{
    Request request;
    Given given;
    std::optional<std::string> problem = readArguments(argc, argv, given, request);
    if (!problem && request.what == Request::What::Run)
        problem = checkValues(given, request.options);
    if (problem) {
        request.what = Request::What::UsageError;
        request.problem = std::move(*problem);
    }
    return request;
}

} // namespace mrv::cli
