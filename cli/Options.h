// The batch converter's command line: GNU option syntax through the C
// library's getopt_long, so that grouped short options (-zf ey), attached
// values (-fey, --from=ey) and unique prefixes (--fr ey) work as users of
// other GNU-style tools expect.
#pragma once

#include "Calendar.h"
#include "Columns.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mrv::cli {

enum class Format { Line, Tsv, Csv, Jsonl };

struct Options {
    CalendarKind calendar = CalendarKind::SC;
    Format format = Format::Line;
    bool nul = false;                      // entries and answers end with NUL, not a line feed
    bool lenient = false;                  // read each entry by its leading number
    bool classic = false;                  // release 1.1.0's answers: its years, limits and reading
    std::size_t field = 0;                 // 1-based column of a table to convert; 0: entries are whole lines
    std::string_view fieldName;            // with header: the column to convert, by its name (field is 0)
    bool header = false;                   // with field: the first row is the table's header
    char delimiter = ',';                  // of csv fields
    Columns columns;                       // the answer's columns, in their order
    std::vector<std::string_view> entries; // from the arguments; none: standard input

    bool byField() const { return field > 0 || !fieldName.empty(); }
};

// What the command line asks for. `problem` says what is wrong with a usage
// error, in a few words.
struct Request {
    enum class What { Run, Help, Version, UsageError };
    What what = What::Run;
    Options options;
    std::string problem;
};

// Parses the arguments (argv[0] is the program). An argument that starts
// with "-" and a digit or a point, and a lone "-", is an entry, not an
// option: BC and BW years are negative. "--" ends the options.
Request parseOptions(int argc, char** argv);

} // namespace mrv::cli
