// The main window's design (see FormDesign.h): the form, its controls, its
// menu and its pictures.
#pragma once

#include "Calendar.h"
#include "FormDesign.h"
#include "WindowTexts.h"

#include <string_view>

namespace mrv::forms::mainWindow {

using Control = ControlDesign;

namespace text = texts::frmMRVDate;

inline constexpr FormDesign kForm{"frmMRVDate",           text::title, 7380, 2805, FormBorder::FixedSingle,
                                  CentreOrder::LeftFirst, false};

using enum ControlKind;

inline constexpr Control kControls[] = {
    {"Label1", -1, Label, "clientArea", text::Label1, {120, 120, 4215, 255}, FontRole::Bold},
    {"Frame1", -1, Frame, "clientArea", text::Frame1, {120, 480, 5295, 1575}},
    {"lblDatePrefix",
     -1,
     Label,
     "Frame1",
     facts(CalendarKind::SC).prefix,
     {120, 400, 375, 255},
     FontRole::Bold},
    {"txtInputBox",
     -1,
     TextBox,
     "Frame1",
     "",
     {480, 360, 975, 285},
     FontRole::Regular,
     Align::LeftTop,
     ColourRole::Default,
     Border::None,
     0,
     text::txtInputBox,
     "The date on the chosen calendar; the calendar's prefix stands left of it"},
    {"cmdConvert",
     -1,
     CommandButton,
     "Frame1",
     text::cmdConvert,
     {2160, 360, 1215, 375},
     FontRole::Regular,
     Align::Centre,
     ColourRole::Default,
     Border::None,
     1,
     {},
     "Converts the date to all three calendars"},
    {"Label2", -1, Label, "Frame1", text::Label2, {120, 840, 1455, 255}},
    {"optDate",
     0,
     OptionButton,
     "Frame1",
     text::optDate[0],
     {120, 1080, 1695, 255},
     FontRole::Regular,
     Align::LeftTop,
     ColourRole::Default,
     Border::None,
     2},
    {"optDate",
     1,
     OptionButton,
     "Frame1",
     text::optDate[1],
     {2040, 1080, 1455, 255},
     FontRole::Regular,
     Align::LeftTop,
     ColourRole::Default,
     Border::None,
     3},
    {"optDate",
     2,
     OptionButton,
     "Frame1",
     text::optDate[2],
     {3720, 1080, 1455, 255},
     FontRole::Regular,
     Align::LeftTop,
     ColourRole::Default,
     Border::None,
     4},
    // On the text background.
    {"lblDateBox",
     -1,
     Label,
     "clientArea",
     "",
     {120, 2225, 5295, 375},
     FontRole::Result,
     Align::Centre,
     ColourRole::Result,
     Border::FixedSingle,
     kNoTabStop,
     {},
     text::lblDateBox},
    {"imgMain",
     -1,
     Picture,
     "clientArea",
     "",
     {5520, 120, 1770, 2505},
     FontRole::Regular,
     Align::LeftTop,
     ColourRole::Default,
     Border::FixedSingle},
};

// Each option is read aloud as "Convert from Space Century (SC)": its
// caption without the access key, after the group's question.
inline constexpr std::string_view kOptionSpokenPrefix = "Convert from ";

// The calendar of each option button, in the buttons' order.
inline constexpr CalendarKind kOptionCalendars[] = {CalendarKind::SC, CalendarKind::EY, CalendarKind::AW};

consteval const Control& control(std::string_view name, int index = -1)
{
    return designOf(kControls, name, index);
}

// imgMain's picture until the load shows one of the library.
inline constexpr std::string_view kInitialPicture = "main-initial.png";

// The library pictures (texts.json lists them): invisible, along the
// window's bottom edge, each 360 twips right of the one before.
inline constexpr auto& kLibraryPictures = texts::pictures;
constexpr TwipsRect libraryPicturePlace(int index)
{
    return {360 + 360 * index, 2400, 1710, 2445};
}
// Library picture `index` as a control, built as every other is.
constexpr Control libraryPicture(int index)
{
    return {"imgLibrary", index, Picture, "clientArea", "", libraryPicturePlace(index)};
}

// What each menu entry runs.
enum class Command { Instructions, About, Website, Exit };

struct MenuEntry {
    std::string_view name;
    std::string_view caption; // empty: a separator
    Command command;
    char ctrlKey; // its shortcut with Ctrl, or 0
};

inline constexpr std::string_view kMenuName = "mnuHelp";
inline constexpr std::string_view kMenuCaption = text::mnuHelp;

inline constexpr MenuEntry kMenu[] = {
    {"mnuHelpInstructions", text::mnuHelpInstructions, Command::Instructions, 0},
    {"mnuHelpAbout", text::mnuHelpAbout, Command::About, 0},
    {"mnuHelpWebsite", text::mnuHelpWebsite, Command::Website, 0},
    {"Line1", "", Command::Exit, 0},
    {"mnuHelpExit", text::mnuHelpExit, Command::Exit, 'X'},
};

} // namespace mrv::forms::mainWindow
