#include "Help.h"

#include "OptionTable.h"
#include "Release.h"

namespace mrv::cli {
namespace {

// `text` with each "%p" replaced by the program's name.
std::string named(std::string_view text)
{
    std::string t;
    for (std::size_t at; (at = text.find("%p")) != std::string_view::npos; text.remove_prefix(at + 2))
        t.append(text.substr(0, at)).append(kProgramName);
    return t.append(text);
}

// `text` broken into lines of at most kWidth columns, at its spaces.
std::string wrapped(std::string_view text)
{
    constexpr std::size_t kWidth = 76;
    std::string t(text);
    for (std::size_t start = 0, space = 0; t.size() - start > kWidth; start = space + 1) {
        space = t.rfind(' ', start + kWidth);
        if (space == std::string::npos || space < start)
            break;
        t[space] = '\n';
    }
    return t;
}

} // namespace

const std::string& tryHelp()
{
    static const std::string text = named("Try '%p --help' for more information.\n");
    return text;
}

const std::string& usage()
{
    static const std::string text =
        named("Usage: %p --from ") + joinValues(kCalendarIds, "|") + " [OPTION]... [ENTRY]...\n";
    return text;
}

const std::string& help()
{
    static const std::string text = [] {
        std::string t = usage();
        t +=
            wrapped("Convert years between the calendars of the Morvane timeline: " +
                    calendarsInWords(&CalendarFacts::id) +
                    ". Each ENTRY gives one answer; with no ENTRY, each line of standard input is an entry.");
        t += "\n\n";
        for (const OptionSpec& definition : kOptionSpecs)
            t += helpLine(definition) + "\n";
        t += named("\n"
                   "Exit status: 0 if every entry converted, 1 if any was refused, 2 on a usage\n"
                   "or input/output error.\n"
                   "\n"
                   "Example: %p -fey --format csv --field year --header < t.csv\n"
                   "See 'man %p' for the number format, the columns and more.\n"
                   "Report bugs through ");
        t.append(kProjectPage).append("\n");
        return t;
    }();
    return text;
}

} // namespace mrv::cli
