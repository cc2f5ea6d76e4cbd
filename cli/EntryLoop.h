// The entry loops: one answer for every entry, or for every row of a table
// with --field, written by the run's format writer as the entries arrive.
// Both are sinks for splitStandardInput (BlockIo.h); the field loop is the
// sink of a row reader (RowReader.h) instead.
#pragma once

#include "Answer.h"
#include "ColumnFinder.h"
#include "Entry.h"
#include "LineReturn.h"
#include "RowReader.h"
#include "Writers.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace mrv::cli {

// What every entry is read and converted with.
struct Conversion {
    CalendarKind calendar;
    Reading reading;
    std::string_view separator; // the decimal separator of the results
    Pairing pairing = Pairing::OneCount;
};

// Shared by both loops: the entry as it arrives, and its answer.
template <typename Writer> class AnswerMaker {
public:
    AnswerMaker(Output& out, Writer& writer, const Conversion& conversion)
        : out_(out), writer_(writer), conversion_(conversion), reader_(conversion.reading)
    {
    }
    bool refused() const { return refused_; }

protected:
    void feed(std::string_view bytes)
    {
        reader_.feed(bytes);
        head_.keep(bytes);
    }
    // The entry fed so far, answered through `give(answer)`.
    template <typename Give> void answerRead(Give give)
    {
        const Conversion& c = conversion_;
        give(made(reader_.convert(c.calendar, c.reading, c.separator, line_, c.pairing), head_.text(),
                  head_.cut()));
        reader_.reset();
        head_.reset();
    }
    Answer made(ConversionOutcome::Kind kind, std::string_view entry, bool cut)
    {
        Answer a;
        a.kind = kind;
        a.line = &line_;
        a.entry = entry.substr(0, EntryHead::kSize);
        a.entryCut = cut || entry.size() > EntryHead::kSize;
        return counted(a);
    }
    const Answer& counted(const Answer& answer)
    {
        refused_ = refused_ || answer.kind != ConversionOutcome::Kind::Converted;
        return answer;
    }

    Output& out_;
    Writer& writer_;
    const Conversion conversion_;
    ResultLine line_;

private:
    EntryReader reader_;
    EntryHead head_;
    bool refused_ = false;
};

// Entries: arguments, or lines of standard input (one carriage return before
// the line end dropped). A template in the header, so that whole() is
// inlined into splitStandardInput's loop: bench/run.sh shows the time.
template <typename Writer> class EntryLoop : public AnswerMaker<Writer> {
    using Base = AnswerMaker<Writer>;

public:
    using Base::Base;

    // A whole entry at once: the usual case, and the quickest.
    void whole(std::string_view line)
    {
        const std::string_view text = withoutLineReturn(line);
        const Conversion& c = this->conversion_;
        if constexpr (std::is_same_v<Writer, LineWriter>) {
            // Straight into the output block: the line is never copied.
            char* p = this->out_.reserve(ResultLine::kCapacity + 1);
            LinePieces at;
            const ConversionOutcome::Kind kind =
                convertEntry(c.calendar, c.reading, text, c.separator, p, at, c.pairing);
            if (kind == ConversionOutcome::Kind::Converted) {
                p[at.size] = this->writer_.terminator();
                this->out_.commit(p + at.size + 1);
                return;
            }
            this->writer_.answer(this->out_, this->made(kind, text, false));
        } else {
            const ConversionOutcome::Kind kind = convertEntry(c.calendar, c.reading, text, c.separator,
                                                              this->line_.text, this->line_.at, c.pairing);
            if (kind == ConversionOutcome::Kind::Converted) {
                this->writer_.converted(this->out_, text, this->line_); // one call for the record
                return;
            }
            this->writer_.entry(this->out_, text);
            this->writer_.answer(this->out_, this->made(kind, text, false));
        }
    }
    // The next piece of an entry that arrives in parts.
    void piece(std::string_view part)
    {
        lineReturn_.pass(part, [this](std::string_view bytes) {
            this->writer_.entryPiece(this->out_, bytes);
            this->feed(bytes);
        });
    }
    // The entry that arrived in parts is complete.
    void end()
    {
        lineReturn_.end();
        this->answerRead([this](const Answer& a) { this->writer_.answer(this->out_, a); });
    }

private:
    LineReturn lineReturn_;
};

// Which field of a table's rows to convert.
struct FieldChoice {
    std::size_t number = 0; // 1-based; 0: the one the header names
    std::string_view name;  // with header
    bool header = false;
    char terminator = '\n';
};

// Rows of a table: each row written back as it came, then the answer's
// columns for its chosen field, then the row's own line end; the first row,
// with --header, gets the columns' names instead. For TsvWriter and
// CsvWriter.
template <typename Writer> class FieldLoop : public AnswerMaker<Writer>, public RowSink {
public:
    FieldLoop(Output& out, Writer& writer, const Conversion& conversion, const FieldChoice& choice);

    void row(std::string_view bytes) override
    {
        if (problem_.empty())
            this->out_.put(bytes);
    }
    void field(std::string_view bytes) override;
    void nextField() override { finder_->next(); }
    void rowEnd(bool found, bool carriageReturn) override;
    std::size_t chosenField() const override { return field_; }
    bool done() const override { return !problem_.empty(); }
    // The usual row: its field converted whole, its columns in one go.
    void wholeRow(std::string_view bytes, std::string_view content, bool found, bool carriageReturn) override;
    // A usage error that only the input shows: a --field NAME the header
    // does not hold. Nothing is written then.
    const std::string& problem() const { return problem_; }

private:
    // Whether the header names the field.
    bool chooseField();

    std::size_t field_;
    bool headerRow_;
    const char lineEnd_[2];
    std::optional<ColumnFinder> finder_;
    std::string_view name_;
    std::string problem_;
};

} // namespace mrv::cli
