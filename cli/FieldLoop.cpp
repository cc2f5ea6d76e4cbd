#include "EntryLoop.h"

namespace mrv::cli {

template <typename Writer>
FieldLoop<Writer>::FieldLoop(Output& out, Writer& writer, const Conversion& conversion,
                             const FieldChoice& choice)
    : AnswerMaker<Writer>(out, writer, conversion), field_(choice.number),
      headerRow_(choice.header), lineEnd_{'\r', choice.terminator}, name_(choice.name)
{
    if (field_ == 0)
        finder_.emplace(choice.name);
}

template <typename Writer> void FieldLoop<Writer>::field(std::string_view bytes)
{
    if (done())
        return;
    if (!headerRow_)
        this->feed(bytes);
    else if (finder_)
        finder_->feed(bytes);
}

template <typename Writer> void FieldLoop<Writer>::rowEnd(bool found, bool carriageReturn)
{
    const std::string_view end(lineEnd_ + !carriageReturn, 1 + carriageReturn);
    if (done())
        return;
    if (headerRow_) {
        headerRow_ = false;
        if (!chooseField())
            return;
        this->writer_.columnNames(this->out_);
    } else if (found) {
        this->answerRead([this](const Answer& a) { this->writer_.columns(this->out_, a); });
    } else {
        Answer a;
        a.kind = std::nullopt; // the field is missing
        a.field = field_;
        this->writer_.columns(this->out_, this->counted(a));
    }
    this->out_.put(end);
}

template <typename Writer>
void FieldLoop<Writer>::wholeRow(std::string_view bytes, std::string_view content, bool found,
                                 bool carriageReturn)
{
    if (headerRow_ || !found || done()) {
        RowSink::wholeRow(bytes, content, found, carriageReturn);
        return;
    }
    const Conversion& c = this->conversion_;
    const ConversionOutcome::Kind kind = convertEntry(c.calendar, c.reading, content, c.separator,
                                                      this->line_.text, this->line_.at, c.pairing);
    const std::string_view end(lineEnd_ + !carriageReturn, 1 + carriageReturn);
    this->out_.put(bytes);
    if (kind == ConversionOutcome::Kind::Converted) {
        this->writer_.convertedColumns(this->out_, this->line_, end);
        return;
    }
    this->writer_.columns(this->out_, this->made(kind, content, false));
    this->out_.put(end);
}

template <typename Writer> bool FieldLoop<Writer>::chooseField()
{
    if (!finder_)
        return true;
    field_ = finder_->finish();
    if (field_ != 0)
        return true;
    problem_ = unknownColumn(name_, *finder_);
    this->out_.discard(); // the header row, unless it outgrew the block
    return false;
}

template class FieldLoop<TsvWriter>;
template class FieldLoop<CsvWriter>;

} // namespace mrv::cli
