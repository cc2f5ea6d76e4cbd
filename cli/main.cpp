// mrvdate-convert: converts many dates at once with the window program's
// rules. One answer out for every entry in, so scripts can paste columns.
//
// Memory stays fixed whatever the input: no entry or row is kept beyond the
// block it arrives in. One that spans blocks is read piece by piece and, in
// the machine formats, echoed to the output as it arrives.

#include "BlockIo.h"
#include "EntryLoop.h"
#include "Help.h"
#include "Options.h"
#include "RowReader.h"
#include "Writers.h"

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

void writeError(std::string_view what, int error)
{
    std::fprintf(stderr, "mrvdate-convert: %.*s: %s\n", static_cast<int>(what.size()), what.data(),
                 std::strerror(error));
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

// Feeds the entries, from the arguments or standard input, to `sink`; 0, or
// the error of a failed read.
template <typename Sink> int feed(const Options& options, mrv::Output& out, Sink& sink)
{
    if (!options.entries.empty()) {
        for (std::string_view entry : options.entries)
            sink.whole(entry);
        return 0;
    }
    return mrv::splitStandardInput(out, options.nul ? '\0' : '\n', sink);
}

// Converts every entry with the run's writer; returns the read error and
// whether any entry was refused.
template <typename Writer>
int convertAll(const Options& options, const Conversion& conversion, mrv::Output& out, Writer writer,
               bool& refused)
{
    if constexpr (requires { writer.appendedHeader(out); }) {
        if (options.field > 0) {
            FieldLoop<Writer, mrv::Output> loop(out, writer, conversion, options.field, options.header);
            int readError = 0;
            if constexpr (std::is_same_v<Writer, CsvWriter>) { // rows are read in the format they are written
                CsvRowReader rows(options.field, options.nul ? '\0' : '\n', loop);
                readError = feed(options, out, rows);
                rows.finish();
            } else {
                TsvRowReader rows(options.field, loop);
                readError = feed(options, out, rows);
            }
            refused = loop.refused();
            return readError;
        }
    }
    writer.header(out);
    EntryLoop<Writer, mrv::Output> loop(out, writer, conversion);
    const int readError = feed(options, out, loop);
    refused = loop.refused();
    return readError;
}

int run(const Options& options, mrv::Output& out)
{
    // Machine formats are read by programs: "." whatever the locale.
    const char* point = std::localeconv()->decimal_point;
    const bool line = options.format == Format::Line;
    const Conversion conversion{options.calendar,
                                options.lenient ? mrv::Reading::Lenient : mrv::Reading::Strict,
                                line && point && *point ? point : "."};
    const char terminator = options.nul ? '\0' : '\n';
    bool refused = false;
    int readError = 0;
    switch (options.format) {
    case Format::Line:
        readError = convertAll(options, conversion, out, LineWriter(terminator), refused);
        break;
    case Format::Tsv:
        readError = convertAll(options, conversion, out, TsvWriter(terminator), refused);
        break;
    case Format::Csv:
        readError = convertAll(options, conversion, out, CsvWriter(terminator), refused);
        break;
    case Format::Jsonl:
        readError = convertAll(options, conversion, out, JsonlWriter(terminator), refused);
        break;
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
    return refused ? kSomeRefused : kAllConverted;
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    // One fixed block, on the heap: a stack may be small where this runs.
    std::unique_ptr<mrv::Output> out;
    try {
        out = std::make_unique<mrv::Output>();
        const Request request = parseOptions(argc, argv);
        switch (request.what) {
        case Request::What::Help:
            return writeRequested(*out, kHelp);
        case Request::What::Version:
            return writeRequested(*out, "mrvdate-convert " MRVDATE_VERSION "\n");
        case Request::What::UsageError:
            std::fprintf(stderr, "mrvdate-convert: %s\n%.*s%.*s", request.problem.c_str(),
                         static_cast<int>(kUsage.size()), kUsage.data(), static_cast<int>(kTryHelp.size()),
                         kTryHelp.data());
            return kUsageOrIoError;
        case Request::What::Run:
            break;
        }
        return run(request.options, *out);
    } catch (const std::bad_alloc&) {
        // Every answer already made goes out before the message.
        if (out)
            out->flush();
        std::fputs("mrvdate-convert: out of memory\n", stderr);
        return kUsageOrIoError;
    }
}
