// The forms' designs as data: what every front end that draws them relies
// on, checked once here rather than in each toolkit's tests.
#include "SecondaryWindowDesigns.h"
#include "frmMRVDateDesign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace {

namespace forms = mrv::forms;
namespace main = mrv::forms::mainWindow;

TEST(AccessKeys, AreTheLetterAfterTheAmpersand)
{
    const struct {
        std::string_view caption;
        char key;
        std::string reads;
    } rows[] = {
        {"&Convert", 'C', "Convert"},
        {"Enter &date to convert", 'D', "Enter date to convert"},
        {"A&bout", 'B', "About"},
        {"E&xit", 'X', "Exit"},
        {"Fish && &Chips", 'C', "Fish & Chips"},
        {"No key", 0, "No key"},
        {"Trailing &", 0, "Trailing &"},
        {"", 0, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.caption));
        EXPECT_EQ(forms::accessKeyOf(row.caption), row.key);
        EXPECT_EQ(forms::withoutAccessKey(row.caption), row.reads);
    }
}

// Alt+S, E, A choose the calendars, Alt+D the date box, Alt+C converts,
// Alt+H opens the menu; no two of the window's keys are the same.
TEST(AccessKeys, OfTheMainWindowAreDistinct)
{
    std::string keys;
    for (const forms::ControlDesign& row : main::kControls) {
        if (char key = forms::accessKeyOf(row.caption))
            keys += key;
    }
    keys += forms::accessKeyOf(main::kMenuCaption);
    EXPECT_EQ(keys, "DCSEAH");
    std::string menu;
    for (const main::MenuEntry& entry : main::kMenu)
        menu += entry.caption.empty() ? '-' : forms::accessKeyOf(entry.caption);
    EXPECT_EQ(menu, "IBM-X");
}

struct Form {
    const forms::FormDesign* form;
    std::span<const forms::ControlDesign> controls;
};

const Form kForms[] = {
    {&main::kForm, main::kControls},
    {&forms::instructions::kForm, forms::instructions::kControls},
    {&forms::about::kForm, forms::about::kControls},
};

// Tab stops run 0, 1, 2... without a gap or a repeat, and only controls
// that can take the focus have one.
TEST(FormDesigns, TabStopsAreConsecutiveOnFocusableControls)
{
    for (const Form& f : kForms) {
        SCOPED_TRACE(std::string(f.form->name));
        std::vector<int> stops;
        for (const forms::ControlDesign& row : f.controls) {
            if (row.tabIndex == forms::kNoTabStop)
                continue;
            stops.push_back(row.tabIndex);
            EXPECT_TRUE(row.kind == forms::ControlKind::TextBox ||
                        row.kind == forms::ControlKind::CommandButton ||
                        row.kind == forms::ControlKind::OptionButton)
                << row.name;
        }
        std::sort(stops.begin(), stops.end());
        for (std::size_t i = 0; i < stops.size(); ++i)
            EXPECT_EQ(stops[i], static_cast<int>(i));
    }
}

// Every control lies inside its form's client area (the library pictures
// excepted: they are never shown), and every container is a control of the
// form or the form itself.
TEST(FormDesigns, ControlsLieInsideTheirFormAndContainers)
{
    for (const Form& f : kForms) {
        for (const forms::ControlDesign& row : f.controls) {
            SCOPED_TRACE(std::string(f.form->name) + "." + std::string(row.name));
            EXPECT_GE(row.place.left, 0);
            EXPECT_GE(row.place.top, 0);
            EXPECT_LE(row.place.left + row.place.width, f.form->clientWidth);
            EXPECT_LE(row.place.top + row.place.height, f.form->clientHeight);
            const bool known = row.container == f.form->name || row.container == "clientArea" ||
                               std::any_of(f.controls.begin(), f.controls.end(), [&](const auto& c) {
                                   return c.name == row.container && c.kind == forms::ControlKind::Frame;
                               });
            EXPECT_TRUE(known) << row.container;
        }
    }
}

} // namespace
