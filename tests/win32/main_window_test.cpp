// The Windows main window under Wine, driven by real input: its controls as
// designed, the keyboard, the menu and whole conversions (the Linux
// window's cases, ConversionCases.h).
#include "ConversionCases.h"
#include "Win32TestSupport.h"
#include "frmMRVDateDesign.h"

#include <algorithm>

namespace mrv::test {
namespace {

namespace design = forms::mainWindow;
using cases::ConversionRow;
using cases::Shows;

class MainWindow : public ProgramTest {
protected:
    HWND dateBox() const { return control("txtInputBox"); }
    HWND result() const { return control("lblDateBox"); }
    HWND option(int i) const { return control("optDate", i); }
    int chosen() const
    {
        for (int i = 0; i < 3; ++i)
            if (SendMessageW(option(i), BM_GETCHECK, 0, 0) == BST_CHECKED)
                return i;
        return -1;
    }
    // The date box's selection as start and end.
    std::pair<int, int> selection() const
    {
        const LRESULT both = SendMessageW(dateBox(), EM_GETSEL, 0, 0);
        return {LOWORD(both), HIWORD(both)};
    }
    bool wholeEntrySelected() const
    {
        const auto [start, end] = selection();
        return start == 0 && end == static_cast<int>(textOf(dateBox()).size());
    }
    void convertThrough(const ConversionRow& row);
};

void MainWindow::convertThrough(const ConversionRow& row)
{
    SCOPED_TRACE(std::string("calendar ") + std::to_string(row.calendar) + " entry \"" + row.entry + "\"");
    program->click(option(row.calendar));
    ASSERT_TRUE(waitFor([&] { return chosen() == row.calendar && program->focus() == dateBox(); }));
    program->type(row.entry);
    if (!*row.entry)
        program->press(VK_DELETE); // the whole entry is selected
    ASSERT_TRUE(waitFor([&] { return textOf(dateBox()) == row.entry; }));
    const std::string before = textOf(result());
    if (row.shows == Shows::Line || row.shows == Shows::Nothing) {
        program->press(VK_RETURN);
        EXPECT_EQ(program->active(), main) << "no box";
        EXPECT_EQ(textOf(result()), row.shows == Shows::Line ? row.line : before);
        EXPECT_EQ(program->focus(), dateBox());
        return;
    }
    program->press(VK_RETURN);
    const ShownBox box = answerBox();
    ASSERT_TRUE(program->waitForActive(main));
    program->settle();
    EXPECT_TRUE(textOf(result()).empty());
    switch (row.shows) {
    case Shows::NotANumber: {
        std::string text = cases::kNotANumberText;
        text.replace(text.find("%1"), 2, row.entry);
        EXPECT_EQ(box.text, text);
        [[fallthrough]];
    }
    case Shows::OutOfRange:
        if (row.shows == Shows::OutOfRange) {
            EXPECT_EQ(box.text, texts::refusals::OutOfRange::message);
        }
        EXPECT_TRUE(box.critical);
        EXPECT_EQ(box.title, "Morvane Date Converter");
        // The entry is there to be typed over.
        EXPECT_EQ(program->focus(), dateBox());
        EXPECT_TRUE(wholeEntrySelected());
        break;
    case Shows::YearZero:
        EXPECT_TRUE(box.information);
        EXPECT_EQ(box.title, "MRV Date Convertor");
        EXPECT_EQ(box.text, texts::refusals::YearZero::message);
        break;
    case Shows::Line:
    case Shows::Nothing:
        break;
    }
}

TEST_F(MainWindow, EveryControlStandsAtItsTwipsWithItsCaptionAndClass)
{
    expectControlsOf(main, design::kControls);
    EXPECT_EQ(textOf(control("lblDatePrefix")), "SC");
    EXPECT_EQ(seen(control("Frame1")).style & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX));
    EXPECT_EQ(seen(control("cmdConvert")).style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(seen(option(i)).style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
    EXPECT_EQ(seen(result()).style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
    EXPECT_EQ(seen(control("imgMain")).style & SS_TYPEMASK, static_cast<DWORD>(SS_BITMAP));
}

TEST_F(MainWindow, WindowIsItsClientSizeFixedMinimisableNotMaximisableAndCentred)
{
    EXPECT_EQ(textOf(main), design::kForm.title);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, px(design::kForm.clientWidth));
    EXPECT_EQ(client.bottom, px(design::kForm.clientHeight));
    const DWORD style = static_cast<DWORD>(GetWindowLongW(main, GWL_STYLE));
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    RECT outer;
    GetWindowRect(main, &outer);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(outer.left, (width - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (height - (outer.bottom - outer.top)) / 2);
}

TEST_F(MainWindow, FirstShowingHasNoCalendarTheScPrefixEmptyBoxesAndFocusInTheDateBox)
{
    EXPECT_EQ(chosen(), -1);
    EXPECT_EQ(textOf(control("lblDatePrefix")), "SC");
    EXPECT_TRUE(textOf(dateBox()).empty());
    EXPECT_TRUE(textOf(result()).empty());
    EXPECT_EQ(program->focus(), dateBox());
}

TEST_F(MainWindow, FirstKeystrokeChoosesScAndTheTypingStaysUnselected)
{
    program->type("3");
    EXPECT_EQ(chosen(), 0);
    EXPECT_EQ(textOf(dateBox()), "3");
    EXPECT_EQ(selection(), std::make_pair(1, 1));
    program->type("61.98");
    program->press(VK_RETURN);
    EXPECT_EQ(textOf(result()), "SC 361.98  -  EY 4370 AD  -  AW 2284");
    EXPECT_TRUE(wholeEntrySelected());
}

TEST_F(MainWindow, TabVisitsDateBoxConvertThenTheOptionGroup)
{
    const HWND order[] = {control("cmdConvert"), option(0), dateBox()};
    for (HWND next : order) {
        program->press(VK_TAB);
        EXPECT_EQ(program->focus(), next);
    }
}

TEST_F(MainWindow, AccessKeysChooseCalendarsFocusTheDateBoxAndConvert)
{
    struct KeyRow {
        WORD key;
        int chosen;
        const char* prefix;
    };
    const KeyRow rows[] = {{'E', 1, "EY"}, {'A', 2, "AW"}, {'S', 0, "SC"}};
    for (const KeyRow& row : rows) {
        program->press(VK_TAB); // away from the date box
        program->press(row.key, {VK_MENU});
        EXPECT_EQ(chosen(), row.chosen);
        EXPECT_EQ(textOf(control("lblDatePrefix")), row.prefix);
        EXPECT_EQ(program->focus(), dateBox());
    }
    program->type("361.98");
    program->press(VK_TAB);
    program->press('D', {VK_MENU});
    EXPECT_EQ(program->focus(), dateBox());
    program->press('C', {VK_MENU});
    EXPECT_EQ(textOf(result()), "SC 361.98  -  EY 4370 AD  -  AW 2284");
    EXPECT_EQ(program->focus(), dateBox());
}

TEST_F(MainWindow, EnterConvertsFromEveryControl)
{
    program->type("361.98");
    for (HWND from : {control("cmdConvert"), option(0), dateBox()}) {
        SendMessageW(result(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        program->press(VK_TAB);
        while (program->focus() != from)
            program->press(VK_TAB);
        program->press(VK_RETURN);
        EXPECT_EQ(textOf(result()), "SC 361.98  -  EY 4370 AD  -  AW 2284");
    }
}

TEST_F(MainWindow, CtrlXCutsASelectionInTheDateBox)
{
    program->type("2002");
    SendMessageW(dateBox(), EM_SETSEL, 0, -1);
    program->press('X', {VK_CONTROL});
    EXPECT_FALSE(program->hasEnded(std::chrono::milliseconds(0)));
    EXPECT_TRUE(textOf(dateBox()).empty());
}

TEST_F(MainWindow, CtrlXWithoutASelectionOrOnAnotherControlEnds)
{
    for (bool onConvert : {false, true}) {
        if (!program)
            SetUp();
        program->type("2002");
        if (onConvert)
            program->press(VK_TAB);
        program->press('X', {VK_CONTROL});
        EXPECT_TRUE(program->hasEnded()) << (onConvert ? "on Convert" : "in the date box");
        program.reset();
    }
}

TEST_F(MainWindow, HelpMenuRunsEachCommandByItsLetter)
{
    program->openMenu('H');
    program->press('X');
    EXPECT_TRUE(program->hasEnded());
}

TEST_F(MainWindow, WebsiteOpensTheProjectPageEachTime)
{
    const std::string before = openedAddresses();
    for (int time = 1; time <= 2; ++time) {
        program->openMenu('H');
        program->press('M');
        EXPECT_TRUE(waitFor([&] {
            const std::string now = openedAddresses().substr(before.size());
            return static_cast<int>(std::count(now.begin(), now.end(), '\n')) == time;
        }));
    }
    EXPECT_EQ(openedAddresses().substr(before.size()),
              MRVDATE_PROJECT_PAGE_URL "\n" MRVDATE_PROJECT_PAGE_URL "\n");
    EXPECT_EQ(program->active(), main);
}

TEST_F(MainWindow, EachCalendarItsLimitsAndBothRefusals)
{
    const bool comma = std::getenv("MRVDATE_TEST_COMMA") != nullptr;
    if (comma) {
        for (const ConversionRow& row : cases::kCommaConversions)
            convertThrough(row);
    } else {
        for (const ConversionRow& row : cases::kConversions)
            convertThrough(row);
    }
}

} // namespace
} // namespace mrv::test
