#include "frmMRVDateRules.h"

#include "Entry.h"
#include "Rounding.h"

#include <cmath>
#include <iterator>
#include <optional>
#include <random>

namespace mrv::forms::mainWindow {

namespace {

using Kind = Effect::Kind;
using Outcome = ConversionOutcome::Kind;
namespace refusals = texts::refusals;

Effect giveFocus(std::string_view control)
{
    return {Kind::GiveFocus, {}, control};
}

// Every refusal: its box, then an empty result; the date box then receives
// the focus anew and selects the entry to be typed over, except after the
// year-zero notice, which leaves the entry as typed.
Effects refuse(Outcome outcome, std::string_view entry)
{
    Effect box{Kind::ShowBox};
    if (outcome == Outcome::OutOfRange)
        box = {Kind::ShowBox,
               std::string(refusals::OutOfRange::message),
               {},
               refusals::OutOfRange::title,
               refusals::OutOfRange::icon};
    else if (outcome == Outcome::YearZero)
        box = {Kind::ShowBox,
               std::string(refusals::YearZero::message),
               {},
               refusals::YearZero::title,
               refusals::YearZero::icon};
    else
        box = {Kind::ShowBox,
               notANumberMessage(entry),
               {},
               refusals::NotANumber::title,
               refusals::NotANumber::icon};
    Effects effects{box, {Kind::SetResult}};
    if (outcome != Outcome::YearZero)
        effects.insert(effects.end(), {giveFocus("cmdConvert"), giveFocus("txtInputBox")});
    return effects;
}

} // namespace

int pictureIndexForDraw(float r)
{
    if (!(r >= 0.0f))
        r = 0.0f;
    if (r >= 1.0f)
        r = std::nextafter(1.0f, 0.0f);
    return floorToInt16(static_cast<double>(r) * static_cast<double>(kLibraryPictures.size())).value_or(0);
}

Effects Rules::Form_Load(std::uint32_t seed)
{
    awaitingFirstEntry = true;
    // 24 random bits make a single in [0, 1) exactly, never 1.0.
    std::mt19937 generator(seed);
    const float r = static_cast<float>(generator() >> 8) * 0x1p-24f;
    return {{Kind::Centre}, {Kind::ShowPicture, {}, {}, {}, {}, pictureIndexForDraw(r)}};
}

Effects Rules::optDate_Click(int Index)
{
    Effects effects;
    if (Index >= 0 && Index < static_cast<int>(std::size(kOptionCalendars)))
        effects.push_back({Kind::SetPrefix, std::string(facts(kOptionCalendars[Index]).prefix)});
    awaitingFirstEntry = false;
    effects.push_back(giveFocus("txtInputBox"));
    return effects;
}

Effects Rules::txtInputBox_Change()
{
    if (!awaitingFirstEntry)
        return {};
    // The first keystroke chooses the first calendar, as its click would.
    Effects effects{{Kind::CheckOption, {}, {}, {}, {}, 0}};
    const Effects chosen = optDate_Click(0);
    effects.insert(effects.end(), chosen.begin(), chosen.end());
    return effects;
}

Effects Rules::txtInputBox_GotFocus()
{
    return {{Kind::SelectEntry}};
}

Effects Rules::cmdConvert_Click(int option, std::string_view entry, std::string_view decimalSeparator)
{
    std::optional<CalendarKind> calendar;
    if (option >= 0 && option < static_cast<int>(std::size(kOptionCalendars)))
        calendar = kOptionCalendars[option];
    // The separator is also read as the decimal point, so a result can be
    // typed back.
    ConversionOutcome outcome = convert(calendar, entry, decimalSeparator);
    switch (outcome.kind) {
    case Outcome::Converted:
        // Convert, then the date box: it receives the focus again and selects.
        return {
            {Kind::SetResult, std::move(outcome.line)}, giveFocus("cmdConvert"), giveFocus("txtInputBox")};
    case Outcome::NothingTyped:
        // Nothing to convert and nothing changes: only the entry wants typing.
        return {{Kind::Beep}, giveFocus("txtInputBox")};
    case Outcome::OutOfRange:
    case Outcome::YearZero:
    case Outcome::NotANumber:
        break;
    }
    return refuse(outcome.kind, entry);
}

Effects Rules::mnuHelp_Click(Command command)
{
    switch (command) {
    case Command::Instructions:
        return {{Kind::ShowWindow, {}, "frmInstructions"}};
    case Command::About:
        return {{Kind::ShowWindow, {}, "frmAbout"}};
    case Command::Website:
        return {{Kind::OpenWebPage, {}, {}, {}, {}, -1, WebPage::Project}};
    case Command::Exit:
        break;
    }
    return {{Kind::End}};
}

} // namespace mrv::forms::mainWindow
