// The Instructions and About windows' designs (see FormDesign.h): their
// client sizes and controls.
#pragma once

#include "FormDesign.h"
#include "WindowTexts.h"

namespace mrv::ui::instructionsDesign {

inline constexpr int kClientWidth = 7590, kClientHeight = 3900;

inline constexpr ControlDesign kControls[] = {
    {"Label1", -1, "frmInstructions", texts::frmInstructions::Label1, {240, 120, 5775, 255}},
    // Its text is given at load.
    {"txtInstructions", -1, "frmInstructions", "", {240, 360, 7095, 2775}},
    {"cmdOK", -1, "frmInstructions", texts::dialogs::cmdOK, {3360, 3360, 855, 375}},
};

} // namespace mrv::ui::instructionsDesign

namespace mrv::ui::aboutDesign {

inline constexpr int kClientWidth = 3870, kClientHeight = 4305;

namespace text = texts::frmAbout;

inline constexpr ControlDesign kControls[] = {
    {"Image1", -1, "frmAbout", "", {120, 120, 570, 870}},
    {"Label1", -1, "frmAbout", text::Label1, {840, 240, 2775, 255}},
    {"Label2", -1, "frmAbout", text::Label2, {840, 480, 2775, 255}},
    {"Label3", 0, "frmAbout", text::Label3[0], {840, 2160, 2895, 255}},
    {"Label3", 1, "frmAbout", text::Label3[1], {840, 2400, 2895, 255}},
    {"Label3", 2, "frmAbout", text::Label3[2], {840, 1560, 2895, 255}},
    {"Label3", 3, "frmAbout", text::Label3[3], {840, 1800, 2895, 255}},
    // The version follows this caption.
    {"Label3", 4, "frmAbout", text::Label3[4], {720, 960, 3015, 255}},
    {"Label4", -1, "frmAbout", text::Label4, {120, 3120, 3615, 255}},
    // Its caption is the update site's host.
    {"lblHyperlink", -1, "frmAbout", "", {1200, 3360, 1455, 255}},
    {"cmdOK", -1, "frmAbout", texts::dialogs::cmdOK, {1560, 3720, 855, 375}},
};

} // namespace mrv::ui::aboutDesign
