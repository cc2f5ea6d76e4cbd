// The Instructions and About windows' designs (see FormDesign.h): their
// forms and controls.
#pragma once

#include "FormDesign.h"
#include "WindowTexts.h"

namespace mrv::forms::instructions {

inline constexpr FormDesign kForm{"frmInstructions",       texts::frmInstructions::title, 7590, 3900,
                                  FormBorder::FixedDialog, CentreOrder::LeftFirst,        true};

using enum ControlKind;

inline constexpr ControlDesign kControls[] = {
    {"Label1",
     -1,
     Label,
     "frmInstructions",
     texts::frmInstructions::Label1,
     {240, 120, 5775, 255},
     FontRole::Bold},
    // Its text is given at load; it passes the focus on to OK.
    {"txtInstructions",
     -1,
     TextBox,
     "frmInstructions",
     "",
     {240, 360, 7095, 2775},
     FontRole::Text,
     Align::LeftTop,
     ColourRole::Default,
     Border::FixedSingle,
     1},
    {"cmdOK",
     -1,
     CommandButton,
     "frmInstructions",
     texts::dialogs::cmdOK,
     {3360, 3360, 855, 375},
     FontRole::Regular,
     Align::Centre,
     ColourRole::Default,
     Border::None,
     0,
     "OK"},
};

} // namespace mrv::forms::instructions

namespace mrv::forms::about {

namespace text = texts::frmAbout;

inline constexpr FormDesign kForm{
    "frmAbout", text::title, 3870, 4305, FormBorder::FixedDialog, CentreOrder::TopFirst, true};

using enum ControlKind;

inline constexpr ControlDesign kControls[] = {
    {"Image1", -1, Picture, "frmAbout", "", {120, 120, 570, 870}},
    {"Label1", -1, Label, "frmAbout", text::Label1, {840, 240, 2775, 255}, FontRole::Bold, Align::CentreTop},
    {"Label2", -1, Label, "frmAbout", text::Label2, {840, 480, 2775, 255}, FontRole::Bold, Align::CentreTop},
    {"Label3",
     0,
     Label,
     "frmAbout",
     text::Label3[0],
     {840, 2160, 2895, 255},
     FontRole::Regular,
     Align::CentreTop},
    {"Label3",
     1,
     Label,
     "frmAbout",
     text::Label3[1],
     {840, 2400, 2895, 255},
     FontRole::Regular,
     Align::CentreTop},
    {"Label3",
     2,
     Label,
     "frmAbout",
     text::Label3[2],
     {840, 1560, 2895, 255},
     FontRole::Regular,
     Align::CentreTop},
    {"Label3",
     3,
     Label,
     "frmAbout",
     text::Label3[3],
     {840, 1800, 2895, 255},
     FontRole::Regular,
     Align::CentreTop},
    // The version follows this caption.
    {"Label3",
     4,
     Label,
     "frmAbout",
     text::Label3[4],
     {720, 960, 3015, 255},
     FontRole::Regular,
     Align::CentreTop},
    {"Label4",
     -1,
     Label,
     "frmAbout",
     text::Label4,
     {120, 3120, 3615, 255},
     FontRole::Regular,
     Align::CentreTop},
    // Its caption is the update site's host; a click opens the site.
    {"lblHyperlink",
     -1,
     Label,
     "frmAbout",
     "",
     {1200, 3360, 1455, 255},
     FontRole::Regular,
     Align::CentreTop,
     ColourRole::Link,
     Border::None,
     kNoTabStop,
     {},
     "Opens the update site in your web browser"},
    {"cmdOK",
     -1,
     CommandButton,
     "frmAbout",
     texts::dialogs::cmdOK,
     {1560, 3720, 855, 375},
     FontRole::Regular,
     Align::Centre,
     ColourRole::Default,
     Border::None,
     0,
     "OK"},
};

// Image1's picture.
inline constexpr std::string_view kPicture = "about.png";

} // namespace mrv::forms::about
