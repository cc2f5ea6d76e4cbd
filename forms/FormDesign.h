// A form's design as data, for every front end to draw: the form's size,
// border and placement, and a table of its controls (kind, container,
// caption, place in twips, font, alignment, colour, border, tab order and
// what a screen reader says). A window creates its controls from its table,
// and its tests read the same table. No toolkit here.
#pragma once

#include "FormUnits.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mrv::forms {

// The forms' face where it is installed, then the fallbacks whose widths
// come closest, in order of preference (tools/setup-deps.sh installs them).
inline constexpr std::string_view kFace = "MS Sans Serif";
inline constexpr std::array<std::string_view, 1> kFallbackFaces{"Liberation Sans"};

// The sizes the forms were designed with; Regular is the forms' own font.
enum class FontRole { Regular, Bold, Text, Result };

struct FontDesign {
    double points;
    bool bold;
};

constexpr FontDesign fontOf(FontRole role)
{
    switch (role) {
    case FontRole::Bold:
        return {8.25, true};
    case FontRole::Text:
        return {9.75, false};
    case FontRole::Result:
        return {12, true};
    case FontRole::Regular:
        break;
    }
    return {8.25, false};
}

// Colours the design gives a control's text; Default is the desktop's.
enum class ColourRole { Default, Result, Link };

struct Rgb {
    int red, green, blue;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb colourOf(ColourRole role)
{
    return role == ColourRole::Result ? Rgb{255, 0, 0}
           : role == ColourRole::Link ? Rgb{0, 0, 255}
                                      : Rgb{0, 0, 0};
}

enum class ControlKind { Label, Frame, TextBox, CommandButton, OptionButton, Picture };

// Where a label's text or a picture sits in its place.
enum class Align { LeftTop, CentreTop, Centre };

// FixedSingle: the sunken single line the design draws round a control.
enum class Border { None, FixedSingle };

// No tab stop: labels, frames and pictures never take the focus.
inline constexpr int kNoTabStop = -1;

struct ControlDesign {
    std::string_view name;
    int index; // -1 outside an indexed group
    ControlKind kind;
    std::string_view container;
    std::string_view caption;
    TwipsRect place;
    FontRole font = FontRole::Regular;
    Align align = Align::LeftTop;
    ColourRole colour = ColourRole::Default;
    Border border = Border::None;
    int tabIndex = kNoTabStop;
    // What a screen reader names and says of it; empty: its caption.
    std::string_view accessibleName = {};
    std::string_view accessibleDescription = {};
};

// A form's border: a main window (FixedSingle: minimise and close) or a
// dialog (FixedDialog: close only); neither can be resized or maximised.
enum class FormBorder { FixedSingle, FixedDialog };

// Each window centres itself by its outer size; they differ in which of Left
// and Top they set first.
enum class CentreOrder { LeftFirst, TopFirst };

struct FormDesign {
    std::string_view name;
    std::string_view title;
    int clientWidth, clientHeight; // twips
    FormBorder border;
    CentreOrder centreOrder;
    bool modal;
};

constexpr bool hasMinimiseButton(const FormDesign& form)
{
    return form.border == FormBorder::FixedSingle;
}

// Reached only for a name the table lacks: not a constant expression, so
// the lookup does not compile (and builds without exceptions can read it).
void noSuchControlInTheDesign();

// The row of a control: a name the table lacks does not compile.
template <std::size_t N>
consteval const ControlDesign& designOf(const ControlDesign (&table)[N], std::string_view name,
                                        int index = -1)
{
    for (const ControlDesign& row : table) {
        if (row.name == name && row.index == index)
            return row;
    }
    noSuchControlInTheDesign();
    return table[0];
}

// The access key of a caption: the letter after its "&" ("&&" is a plain
// ampersand), or 0 where it has none.
constexpr char accessKeyOf(std::string_view caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1] >= 'a' && caption[i + 1] <= 'z'
                       ? static_cast<char>(caption[i + 1] - 'a' + 'A')
                       : caption[i + 1];
        ++i;
    }
    return 0;
}

// A caption as it reads: without its access key's "&" ("&&" reads "&").
inline std::string withoutAccessKey(std::string_view caption)
{
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

} // namespace mrv::forms
