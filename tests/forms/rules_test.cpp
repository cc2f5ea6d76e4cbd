// The main window's rules: what each event asks of the window, as the Qt
// window and every other front end carry it out.
#include "frmMRVDateRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

namespace main = mrv::forms::mainWindow;
using main::Effect;
using main::Effects;
using Kind = Effect::Kind;

const Effect kFocusConvert{Kind::GiveFocus, {}, "cmdConvert"};
const Effect kFocusEntry{Kind::GiveFocus, {}, "txtInputBox"};

Effect box(std::string message, std::string_view title, std::string_view icon)
{
    return {Kind::ShowBox, std::move(message), {}, title, icon};
}

std::string describe(const Effects& effects)
{
    std::string text;
    for (const Effect& e : effects)
        text += std::to_string(static_cast<int>(e.kind)) + "(" + e.text + "," + std::string(e.control) + "," +
                std::to_string(e.index) + ") ";
    return text;
}

TEST(MainWindowRules, ConvertAnswersEachOutcome)
{
    const Effect outOfRange =
        box("Sorry, that date is out of range.  Please try again.", "Morvane Date Converter", "critical");
    const Effect yearZero =
        box("There is no such date as 0 AD.  The Gregorian calendar jumps from 1 BC to 1 AD.",
            "MRV Date Convertor", "information");
    const auto notADate = [](std::string entry) {
        return box("Sorry, \"" + entry +
                       "\" is not a date.  Please type a number: BC and BW years with a minus.",
                   "Morvane Date Converter", "critical");
    };
    const Effect cleared{Kind::SetResult};
    const struct {
        int option;
        std::string_view entry, separator;
        Effects effects;
    } rows[] = {
        {0,
         "361.98",
         ".",
         {{Kind::SetResult, "SC 361.98  -  EY 4370 AD  -  AW 2284"}, kFocusConvert, kFocusEntry}},
        {0,
         "361,98",
         ",",
         {{Kind::SetResult, "SC 361,98  -  EY 4370 AD  -  AW 2284"}, kFocusConvert, kFocusEntry}},
        {2,
         "-84",
         ".",
         {{Kind::SetResult, "SC 338.30  -  EY 2002 AD  -  BW 84"}, kFocusConvert, kFocusEntry}},
        // Refused: the box, an empty result, and the entry selected anew...
        {0, "1e309", ".", {outOfRange, cleared, kFocusConvert, kFocusEntry}},
        {2, "40000", ".", {outOfRange, cleared, kFocusConvert, kFocusEntry}},
        {0, "12abc", ".", {notADate("12abc"), cleared, kFocusConvert, kFocusEntry}},
        {0, "1,5", ".", {notADate("1,5"), cleared, kFocusConvert, kFocusEntry}},
        // ...but after the year-zero notice the entry stays as typed.
        {1, "0", ".", {yearZero, cleared}},
        {1, "-0.0", ".", {yearZero, cleared}},
        // Nothing typed changes nothing.
        {0, "", ".", {{Kind::Beep}, kFocusEntry}},
        {1, " \t", ".", {{Kind::Beep}, kFocusEntry}},
    };
    for (const auto& row : rows) {
        main::Rules rules;
        const Effects got = rules.cmdConvert_Click(row.option, row.entry, row.separator);
        EXPECT_EQ(got, row.effects) << row.entry << ": " << describe(got);
    }
}

// The first keystroke chooses SC as a click on its option would, once; a
// calendar chosen first is kept; a load awaits the first entry again.
TEST(MainWindowRules, TheFirstEntryChoosesSpaceCenturyOnce)
{
    const Effect sc{Kind::SetPrefix, "SC"}, ey{Kind::SetPrefix, "EY"}, aw{Kind::SetPrefix, "AW"};
    const Effect checkFirst{Kind::CheckOption, {}, {}, {}, {}, 0};
    main::Rules rules;
    EXPECT_TRUE(rules.isAwaitingFirstEntry());
    EXPECT_EQ(rules.txtInputBox_Change(), (Effects{checkFirst, sc, kFocusEntry}));
    EXPECT_FALSE(rules.isAwaitingFirstEntry());
    EXPECT_EQ(rules.txtInputBox_Change(), Effects{});
    EXPECT_EQ(rules.optDate_Click(2), (Effects{aw, kFocusEntry}));

    rules.Form_Load(1);
    EXPECT_TRUE(rules.isAwaitingFirstEntry());
    EXPECT_EQ(rules.optDate_Click(1), (Effects{ey, kFocusEntry}));
    EXPECT_EQ(rules.txtInputBox_Change(), Effects{});
    // An index no option has changes no prefix, but still counts as chosen.
    rules.Form_Load(1);
    EXPECT_EQ(rules.optDate_Click(3), Effects{kFocusEntry});
    EXPECT_FALSE(rules.isAwaitingFirstEntry());
    EXPECT_EQ(rules.txtInputBox_GotFocus(), Effects{{Kind::SelectEntry}});
}

TEST(MainWindowRules, TheMenuCommands)
{
    const struct {
        main::Command command;
        Effect effect;
    } rows[] = {
        {main::Command::Instructions, {Kind::ShowWindow, {}, "frmInstructions"}},
        {main::Command::About, {Kind::ShowWindow, {}, "frmAbout"}},
        {main::Command::Website, {Kind::OpenWebPage, {}, {}, {}, {}, -1, main::WebPage::Project}},
        {main::Command::Exit, {Kind::End}},
    };
    main::Rules rules;
    for (const auto& row : rows)
        EXPECT_EQ(rules.mnuHelp_Click(row.command), Effects{row.effect}) << static_cast<int>(row.command);
}

// The load centres the window, then shows the picture its seed draws: the
// same for the same seed, and every picture for some seed.
TEST(MainWindowRules, TheLoadCentresAndDrawsAPicture)
{
    std::array<bool, main::kLibraryPictures.size()> seen{};
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        main::Rules rules;
        const Effects effects = rules.Form_Load(seed);
        ASSERT_EQ(effects.size(), 2u);
        EXPECT_EQ(effects[0].kind, Kind::Centre);
        EXPECT_EQ(effects[1].kind, Kind::ShowPicture);
        ASSERT_GE(effects[1].index, 0);
        ASSERT_LT(effects[1].index, static_cast<int>(seen.size()));
        EXPECT_EQ(main::Rules().Form_Load(seed), effects);
        seen[static_cast<std::size_t>(effects[1].index)] = true;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), static_cast<long>(seen.size()));
}

TEST(MainWindowPicture, IndexIsAlwaysOneOfTheSevenPictures)
{
    const struct {
        float draw;
        int index;
    } rows[] = {
        {0.0f, 0},
        {-0.0f, 0},
        {std::nextafter(1.0f / 7.0f, 0.0f), 0},
        {1.0f / 7.0f + 1e-6f, 1},
        {0.5f, 3},
        {std::nextafter(1.0f, 0.0f), 6},
        // A generator that rounds up to 1.0, or worse, still gives a picture.
        {1.0f, 6},
        {2.0f, 6},
        {-0.5f, 0},
        {std::nanf(""), 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(main::pictureIndexForDraw(row.draw), row.index) << row.draw;
    for (int k = 1; k < 7; ++k) {
        // Across each boundary the index steps from k - 1 to k once, never back.
        float r = static_cast<float>(k) / 7.0f;
        for (int step = 0; step < 4; ++step)
            r = std::nextafter(r, 0.0f);
        int previous = k - 1;
        for (int step = 0; step < 9; ++step, r = std::nextafter(r, 1.0f)) {
            const int index = main::pictureIndexForDraw(r);
            EXPECT_TRUE(index == previous || index == previous + 1) << r;
            EXPECT_LE(index, k) << r;
            previous = index;
        }
        EXPECT_EQ(previous, k) << "after " << k << "/7";
        EXPECT_EQ(main::pictureIndexForDraw(std::nextafter(static_cast<float>(k) / 7.0f, 0.0f) - 1e-6f),
                  k - 1);
    }
}

} // namespace
