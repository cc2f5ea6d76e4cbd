// The main window's design (see FormDesign.h).
#pragma once

#include "Calendar.h"
#include "FormDesign.h"
#include "WindowTexts.h"

#include <string_view>

namespace mrv::ui::mainWindowDesign {

using Control = ControlDesign;

namespace text = texts::frmMRVDate;

inline constexpr Control kControls[] = {
    {"Label1", -1, "clientArea", text::Label1, {120, 120, 4215, 255}},
    {"Frame1", -1, "clientArea", text::Frame1, {120, 480, 5295, 1575}},
    {"lblDatePrefix", -1, "Frame1", texts::calendars::prefixes[0], {120, 400, 375, 255}},
    {"txtInputBox", -1, "Frame1", "", {480, 360, 975, 285}},
    {"cmdConvert", -1, "Frame1", text::cmdConvert, {2160, 360, 1215, 375}},
    {"Label2", -1, "Frame1", text::Label2, {120, 840, 1455, 255}},
    {"optDate", 0, "Frame1", text::optDate[0], {120, 1080, 1695, 255}},
    {"optDate", 1, "Frame1", text::optDate[1], {2040, 1080, 1455, 255}},
    {"optDate", 2, "Frame1", text::optDate[2], {3720, 1080, 1455, 255}},
    {"lblDateBox", -1, "clientArea", "", {120, 2225, 5295, 375}},
    {"imgMain", -1, "clientArea", "", {5520, 120, 1770, 2505}},
};

// The calendar of each option button, in the buttons' order.
inline constexpr CalendarKind kOptionCalendars[] = {CalendarKind::SC, CalendarKind::EY, CalendarKind::AW};

consteval const Control& control(std::string_view name, int index = -1)
{
    return designOf(kControls, name, index);
}

// The library pictures: invisible, along the window's bottom edge, each
// 360 twips right of the one before.
constexpr TwipsRect libraryPicturePlace(int index)
{
    return {360 + 360 * index, 2400, 1710, 2445};
}

} // namespace mrv::ui::mainWindowDesign
