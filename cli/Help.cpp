#include "Help.h"

#include "OptionTable.h"

namespace mrv::cli {

const std::string_view kTryHelp = "Try 'mrvdate-convert --help' for more information.\n";

const std::string& usage()
{
    static const std::string text =
        "Usage: mrvdate-convert --from " + joinValues(kCalendarNames, "|") + " [OPTION]... [ENTRY]...\n";
    return text;
}

const std::string& help()
{
    static const std::string text = [] {
        std::string t = usage();
        t += "Convert years between the calendars of the Morvane timeline: Space Century\n"
             "(sc), Earth Year (ey) and After War (aw). Each ENTRY gives one answer; with\n"
             "no ENTRY, each line of standard input is an entry.\n"
             "\n";
        for (const OptionSpec& definition : kOptionSpecs)
            t += helpLine(definition) + "\n";
        t += "\n"
             "Exit status: 0 if every entry converted, 1 if any was refused, 2 on a usage\n"
             "or input/output error.\n"
             "\n"
             "Example: mrvdate-convert -fey --format csv --field year --header < t.csv\n"
             "See 'man mrvdate-convert' for the number format, the columns and more.\n"
             "Report bugs through https://mrv.example.org/mrv/mrv.html\n";
        return t;
    }();
    return text;
}

} // namespace mrv::cli
