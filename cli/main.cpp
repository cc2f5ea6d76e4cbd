// mrvdate-convert: converts many dates at once with the window program's
// rules. One answer out for every entry in, so scripts can paste columns.
//
// Memory stays fixed whatever the input: no entry or row is kept beyond the
// block it arrives in. One that spans blocks is read piece by piece and, in
// the machine formats, echoed to the output as it arrives.

#include "BlockIo.h"
#include "EntryLoop.h"
#include "Help.h"
#include "OptionTable.h"
#include "Options.h"
#include "Release.h"
#include "RowReader.h"
#include "Writers.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>

namespace {

using namespace mrv::cli;

constexpr int kAllConverted = 0;
constexpr int kSomeRefused = 1;
constexpr int kUsageOrIoError = 2;

// Standard input and output, each through one fixed block.
struct Streams {
    mrv::Output out;
    mrv::Input in;
    bool byteOrderMark = false; // the input started with one
    std::string problem;        // a usage error that the input showed
};

void writeError(std::string_view what, int error)
{
    std::fprintf(stderr, "%.*s: %.*s: %s\n", static_cast<int>(kProgramName.size()), kProgramName.data(),
                 static_cast<int>(what.size()), what.data(), std::strerror(error));
}

// Writes what --help or --version asked for.
int writeRequested(mrv::Output& out, std::string_view text)
{
    out.put(text);
    out.flush();
    if (!out.ok()) {
        writeError("write error", out.error());
        return kUsageOrIoError;
    }
    return kAllConverted;
}

int usageError(std::string_view problem)
{
    std::fprintf(stderr, "%.*s: %.*s\n%s%s", static_cast<int>(kProgramName.size()), kProgramName.data(),
                 static_cast<int>(problem.size()), problem.data(), usage().c_str(), tryHelp().c_str());
    return kUsageOrIoError;
}

// Whether an entry reads like a file's name ("events.csv", "./dates"): a
// newcomer's guess that files are arguments.
bool looksLikeFileName(std::string_view entry)
{
    const std::size_t dot = entry.rfind('.');
    const std::string_view extension = dot == std::string_view::npos ? "" : entry.substr(dot + 1);
    const bool letters =
        !extension.empty() && extension.size() <= 5 &&
        std::all_of(
            extension.begin(), extension.end(),
            [](char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); }) &&
        std::any_of(extension.begin(), extension.end(),
                    [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z' && (c | 0x20) != 'e'; });
    return letters || entry.find('/') != std::string_view::npos;
}

// Said once a run, after the answers: files come on standard input.
void hintAtFileNames(const Options& options, std::string_view from)
{
    const auto file = std::find_if(options.entries.begin(), options.entries.end(), looksLikeFileName);
    if (file == options.entries.end())
        return;
    const int name = static_cast<int>(kProgramName.size());
    std::fprintf(stderr, "%.*s: a file's lines are entries on standard input: %.*s -f%.*s < %.*s\n", name,
                 kProgramName.data(), name, kProgramName.data(), static_cast<int>(from.size()), from.data(),
                 static_cast<int>(file->size()), file->data());
}

// Feeds the entries, from the arguments or standard input, to `sink`; 0, or
// the error of a failed read.
template <typename Sink> int feed(const Options& options, Streams& io, Sink& sink)
{
    if (!options.entries.empty()) {
        for (std::string_view entry : options.entries)
            sink.whole(entry);
        return 0;
    }
    return mrv::splitStandardInput(io.out, io.in, options.nul ? '\0' : '\n', sink);
}

// Converts the rows of a table, read in the format they are written.
template <typename Writer>
int convertRows(const Options& options, const Conversion& conversion, Streams& io, Writer& writer,
                bool& refused)
{
    const char terminator = options.nul ? '\0' : '\n';
    const FieldChoice choice{options.field, options.fieldName, options.header, terminator};
    FieldLoop<Writer> loop(io.out, writer, conversion, choice);
    if (options.entries.empty() && io.byteOrderMark)
        io.out.put(mrv::kByteOrderMark); // written back where it was
    int readError = 0;
    if constexpr (std::is_same_v<Writer, CsvWriter>) {
        CsvRowReader rows(options.field, terminator, loop, options.delimiter);
        readError = feed(options, io, rows);
        rows.finish();
    } else {
        TsvRowReader rows(options.field, loop);
        readError = feed(options, io, rows);
    }
    refused = loop.refused();
    io.problem = loop.problem();
    return readError;
}

// Converts every entry with the run's writer; returns the read error and
// whether any entry was refused.
template <typename Writer>
int convertAll(const Options& options, const Conversion& conversion, Streams& io, Writer writer,
               bool& refused)
{
    if constexpr (requires { writer.columnNames(io.out); }) {
        if (options.byField())
            return convertRows(options, conversion, io, writer, refused);
    }
    writer.header(io.out);
    EntryLoop<Writer> loop(io.out, writer, conversion);
    const int readError = feed(options, io, loop);
    refused = loop.refused();
    return readError;
}

// The decimal separator of the results: the locale's in the line format; in
// csv with ";" between fields, as spreadsheets of the locales that write
// those, ","; else ".", as programs read it.
std::string_view decimalSeparator(const Options& options)
{
    const char* point = std::localeconv()->decimal_point;
    if (options.format == Format::Line)
        return point && *point ? point : ".";
    return options.format == Format::Csv && options.delimiter == ';' ? "," : ".";
}

// How entries are read: as the window reads them, "," as the point too
// where numbers are written with a decimal comma (the locale's, or csv with
// ";" between fields); with --classic, strictly, as release 1.1.0 did.
mrv::Reading reading(const Options& options)
{
    if (options.lenient)
        return mrv::Reading::Lenient;
    if (options.classic)
        return mrv::Reading::Strict;
    const char* point = std::localeconv()->decimal_point;
    const bool decimalComma = (point && std::string_view(point) == ",") ||
                              (options.format == Format::Csv && options.delimiter == ';');
    return decimalComma ? mrv::Reading::TypedDecimalComma : mrv::Reading::Typed;
}

int convertAll(const Options& options, Streams& io, bool& refused)
{
    const Conversion conversion{options.calendar, reading(options), decimalSeparator(options),
                                options.classic ? mrv::Pairing::Classic : mrv::Pairing::OneCount};
    const char terminator = options.nul ? '\0' : '\n';
    switch (options.format) {
    case Format::Line:
        return convertAll(options, conversion, io, LineWriter(terminator), refused);
    case Format::Tsv:
        return convertAll(options, conversion, io, TsvWriter(terminator, options.columns), refused);
    case Format::Csv:
        return convertAll(options, conversion, io, CsvWriter(terminator, options.columns, options.delimiter),
                          refused);
    case Format::Jsonl:
        return convertAll(options, conversion, io, JsonlWriter(terminator, options.columns), refused);
    }
    return 0;
}

int run(const Options& options, std::string_view from, Streams& io)
{
    if (options.entries.empty())
        io.byteOrderMark = io.in.skipByteOrderMark();
    bool refused = false;
    const int readError = convertAll(options, io, refused);
    if (!io.problem.empty())
        return usageError(io.problem);
    io.out.flush();
    if (!io.out.ok()) {
        writeError("write error", io.out.error());
        return kUsageOrIoError;
    }
    if (readError) {
        writeError("standard input", readError);
        return kUsageOrIoError;
    }
    hintAtFileNames(options, from);
    return refused ? kSomeRefused : kAllConverted;
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    // Fixed blocks, on the heap: a stack may be small where this runs.
    std::unique_ptr<Streams> io;
    try {
        io = std::make_unique<Streams>();
        const Request request = parseOptions(argc, argv);
        switch (request.what) {
        case Request::What::Help:
            return writeRequested(io->out, help());
        case Request::What::Version:
            return writeRequested(io->out,
                                  std::string(kProgramName) + " " + std::string(kProgramVersion) + "\n");
        case Request::What::UsageError:
            return usageError(request.problem);
        case Request::What::Run:
            break;
        }
        return run(request.options, mrv::facts(request.options.calendar).id, *io);
    } catch (const std::bad_alloc&) {
        // Every answer already made goes out before the message.
        if (io)
            io->out.flush();
        // Nothing that allocates: the name and the message as they are.
        std::fprintf(stderr, "%.*s: out of memory\n", static_cast<int>(kProgramName.size()),
                     kProgramName.data());
        return kUsageOrIoError;
    }
}
