// The main window's rules (forms/frmMRVDateRules) as the page calls them:
// one C function an event, each answering the length of the effects it
// wrote at mrv_effects(). Each effect is its kind's name, its index, then
// its text, control, title and icon; a name is a byte's length and its
// bytes, the index a 32-bit integer and each text a 32-bit length and its
// UTF-8, all little-endian (rules.js reads them).
#include "frmMRVDateRules.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

namespace window = mrv::forms::mainWindow;
using Kind = window::Effect::Kind;

window::Rules rules;
std::string encoded;

std::string_view nameOf(Kind kind)
{
    switch (kind) {
    case Kind::Centre:
        return "Centre";
    case Kind::ShowPicture:
        return "ShowPicture";
    case Kind::SetPrefix:
        return "SetPrefix";
    case Kind::CheckOption:
        return "CheckOption";
    case Kind::SetResult:
        return "SetResult";
    case Kind::ShowBox:
        return "ShowBox";
    case Kind::GiveFocus:
        return "GiveFocus";
    case Kind::SelectEntry:
        return "SelectEntry";
    case Kind::Beep:
        return "Beep";
    case Kind::OpenWebPage:
        return "OpenWebPage";
    case Kind::ShowWindow:
        return "ShowWindow";
    case Kind::End:
        break;
    }
    return "End";
}

void putNumber(std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        encoded += static_cast<char>((value >> shift) & 0xff);
}

void putText(std::string_view text)
{
    putNumber(static_cast<std::uint32_t>(text.size()));
    encoded += text;
}

std::size_t encode(const window::Effects& effects)
{
    encoded.clear();
    for (const window::Effect& effect : effects) {
        const std::string_view name = nameOf(effect.kind);
        encoded += static_cast<char>(name.size());
        encoded += name;
        putNumber(static_cast<std::uint32_t>(effect.index));
        for (std::string_view text :
             {std::string_view(effect.text), effect.control, effect.title, effect.icon})
            putText(text);
    }
    return encoded.size();
}

} // namespace

extern "C" {

const char* mrv_effects()
{
    return encoded.data();
}

std::size_t mrv_optDate_Click(int index)
{
    return encode(rules.optDate_Click(index));
}

std::size_t mrv_txtInputBox_Change()
{
    return encode(rules.txtInputBox_Change());
}

std::size_t mrv_txtInputBox_GotFocus()
{
    return encode(rules.txtInputBox_GotFocus());
}

// `length` bytes of UTF-8 at `entry`, with the NUL-terminated `separator`;
// `option` as the rules take it (-1: none chosen).
std::size_t mrv_cmdConvert_Click(int option, const char* entry, std::size_t length, const char* separator)
{
    return encode(rules.cmdConvert_Click(option, std::string_view(entry, length), separator));
}

// `command`: a menu entry's command, as the page's menu gives it (its value
// in the design).
std::size_t mrv_mnuHelp_Click(int command)
{
    if (command < 0 || command > static_cast<int>(window::Command::Exit))
        return encode({});
    return encode(rules.mnuHelp_Click(static_cast<window::Command>(command)));
}
}
