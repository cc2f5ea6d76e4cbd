// The converter's options, each defined once: the getopt_long table, --help
// and the usage errors are all made from this list, and a test checks that
// the man page names every entry of it.
#pragma once

#include "CalendarTable.h"

#include <span>
#include <string>
#include <string_view>

namespace mrv::cli {

// getopt_long's value for each option: its short form, or a number past
// every character for a long option alone.
enum OptionId : int {
    kFrom = 'f',
    kDelimiter = 'd',
    kNull = 'z',
    kHelp = 'h',
    kVersion = 'V',
    kFormat = 256,
    kField,
    kHeader,
    kColumns,
    kLenient,
    kClassic,
};

struct OptionSpec {
    std::string_view name;                    // the long form, without "--"
    OptionId id;                              // also the short form, when below 256
    std::string_view value;                   // the value's placeholder in --help; empty: takes no value
    std::string_view noun;                    // what the value is, for a message: "calendar"
    std::span<const std::string_view> values; // the values it takes, when it is a list
    std::string_view help;                    // one line of --help; "%v" stands for the values
};

inline constexpr std::string_view kFormatNames[] = {"line", "tsv", "csv", "jsonl"};
// The answer's columns (and jsonl keys) after the entry, in their default order.
inline constexpr std::string_view kColumnNames[] = {"sc",      "ey",       "aw",      "error",
                                                    "message", "sc_value", "ey_year", "aw_year"};

// In the order --help lists them; a prefix that names more than one is
// reported with the candidates in this order.
inline constexpr OptionSpec kOptionSpecs[] = {
    {"from", kFrom, "CALENDAR", "calendar", kCalendarIds, "the entries' calendar: %v (required)"},
    {"format", kFormat, "FORMAT", "format", kFormatNames, "how answers are written: %v"},
    {"field", kField, "N|NAME", "field number", {}, "convert field N (or column NAME) of tsv/csv rows"},
    {"header", kHeader, "", "", {}, "with --field: the first row names the columns"},
    {"columns", kColumns, "LIST", "column", kColumnNames, "the answer's columns to write, comma-separated"},
    {"delimiter", kDelimiter, "C", "delimiter", {}, "csv delimiter; with ';' numbers use a decimal ','"},
    {"lenient", kLenient, "", "", {}, "read each entry by its leading number"},
    {"classic", kClassic, "", "", {}, "give release 1.1.0's answers, BC years and limits"},
    {"null", kNull, "", "", {}, "entries and answers end with NUL, not a line feed"},
    {"help", kHelp, "", "", {}, "show this help and exit"},
    {"version", kVersion, "", "", {}, "show the version and exit"},
};

const OptionSpec& optionSpec(OptionId id);

// "sc, ey or aw"; with a separator of its own, "sc|ey|aw".
std::string joinValues(std::span<const std::string_view> values, std::string_view separator = {});

// The index in `values` of `text`, in any case; -1 when none.
int valueIndex(std::span<const std::string_view> values, std::string_view text);

// --help's line for an option: its forms, then its help.
std::string helpLine(const OptionSpec& definition);

} // namespace mrv::cli
