// The Windows Instructions and About windows under Wine, opened from the
// Help menu by real keys: their controls as designed, modal above the main
// window with OK focused, the keys that close them and the About link.
#include "SecondaryWindowDesigns.h"
#include "Win32TestSupport.h"
#include "frmMRVDateDesign.h"

namespace mrv::test {
namespace {

constexpr wchar_t kClass[] = L"MRVDateSecondaryWindow";

struct Dialog {
    const forms::FormDesign& form;
    std::span<const forms::ControlDesign> controls;
    WORD menuKey;
};

const Dialog kInstructions{forms::instructions::kForm, forms::instructions::kControls, 'I'};
const Dialog kAbout{forms::about::kForm, forms::about::kControls, 'B'};

class SecondaryWindow : public ProgramTest {
protected:
    HWND open(const Dialog& dialog) const
    {
        program->openMenu('H');
        program->press(dialog.menuKey);
        return program->waitForWindow(kClass, std::string(dialog.form.title));
    }
    HWND child(HWND window, const Dialog& dialog, std::string_view name, int index = -1) const
    {
        const std::vector<HWND> children = childrenOf(window);
        for (std::size_t i = 0; i < dialog.controls.size() && i < children.size(); ++i) {
            if (dialog.controls[i].name == name && dialog.controls[i].index == index)
                return children[i];
        }
        return nullptr;
    }
    // Closed, the main window is active and takes input again.
    void expectClosed(HWND window) const
    {
        EXPECT_TRUE(waitFor([&] { return !IsWindow(window); }));
        EXPECT_TRUE(program->waitForActive(main));
        EXPECT_TRUE(IsWindowEnabled(main));
    }
};

TEST_F(SecondaryWindow, EachIsModalCentredItsSizeWithOkFocusedAndItsControlsAsDesigned)
{
    for (const Dialog* dialog : {&kInstructions, &kAbout}) {
        SCOPED_TRACE(std::string(dialog->form.name));
        HWND window = open(*dialog);
        ASSERT_TRUE(window);
        EXPECT_EQ(GetWindow(window, GW_OWNER), main);
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_EQ(program->focus(), child(window, *dialog, "cmdOK"));
        expectControlsOf(window, dialog->controls);
        RECT client, outer;
        GetClientRect(window, &client);
        GetWindowRect(window, &outer);
        EXPECT_EQ(client.right, px(dialog->form.clientWidth));
        EXPECT_EQ(client.bottom, px(dialog->form.clientHeight));
        EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
        EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
        const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
        program->press(VK_RETURN);
        expectClosed(window);
    }
}

TEST_F(SecondaryWindow, TextsGivenAtLoadAreTheInstructionsTheVersionAndTheSitesHost)
{
    HWND instructions = open(kInstructions);
    std::string text;
    for (char c : texts::frmInstructions::txtInstructions)
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(textOf(child(instructions, kInstructions, "txtInstructions")), text);
    program->press(VK_RETURN);
    expectClosed(instructions);

    HWND about = open(kAbout);
    EXPECT_EQ(textOf(child(about, kAbout, "Label3", 4)),
              std::string(texts::frmAbout::Label3[4]) + MRVDATE_VERSION);
    EXPECT_EQ(textOf(child(about, kAbout, "lblHyperlink")), "get.example.org");
    program->press(VK_RETURN);
    expectClosed(about);
}

TEST_F(SecondaryWindow, EnterSpaceAltOAndTheCloseBoxCloseAndEscapeDoesNothing)
{
    struct CloseRow {
        const Dialog* dialog;
        WORD key;
        std::vector<WORD> modifiers;
    };
    const CloseRow rows[] = {
        {&kInstructions, VK_RETURN, {}},    {&kInstructions, VK_SPACE, {}}, {&kInstructions, 'O', {VK_MENU}},
        {&kInstructions, VK_F4, {VK_MENU}}, {&kAbout, VK_RETURN, {}},       {&kAbout, VK_SPACE, {}},
        {&kAbout, 'O', {VK_MENU}},          {&kAbout, VK_F4, {VK_MENU}},
    };
    for (const CloseRow& row : rows) {
        SCOPED_TRACE(std::string(row.dialog->form.name) + " key " + std::to_string(row.key));
        HWND window = open(*row.dialog);
        ASSERT_TRUE(window);
        program->press(VK_ESCAPE);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(program->active(), window);
        program->press(row.key, row.modifiers);
        expectClosed(window);
    }
}

TEST_F(SecondaryWindow, InstructionsTextNeverTakesTheFocusNorTyping)
{
    HWND window = open(kInstructions);
    HWND text = child(window, kInstructions, "txtInstructions");
    const std::string before = textOf(text);
    program->click(text);
    EXPECT_EQ(program->focus(), child(window, kInstructions, "cmdOK"));
    program->press(VK_TAB);
    EXPECT_EQ(program->focus(), child(window, kInstructions, "cmdOK"));
    program->type("typed");
    EXPECT_EQ(textOf(text), before);
    program->press(VK_RETURN);
    expectClosed(window);
}

TEST_F(SecondaryWindow, AboutLinkOpensTheUpdateSiteEachTimeAndAboutStaysOpen)
{
    const std::size_t before = openedAddresses().size();
    HWND window = open(kAbout);
    HWND link = child(window, kAbout, "lblHyperlink");
    // Wine's shell hands the browser a host's address with its root path.
    const std::string site = MRVDATE_UPDATE_SITE_URL "/\n";
    for (const std::string& expected : {site, site + site}) {
        program->click(link);
        EXPECT_TRUE(waitFor([&] { return openedAddresses().substr(before) == expected; }));
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(program->active(), window);
        EXPECT_FALSE(IsWindowEnabled(main));
    }
    program->press(VK_RETURN);
    expectClosed(window);
}

TEST_F(SecondaryWindow, MainWindowKeepsItsFocusedControlAcrossTheWindows)
{
    program->type("2002");
    program->press(VK_TAB);
    HWND convert = program->focus();
    for (const Dialog* dialog : {&kInstructions, &kAbout}) {
        HWND window = open(*dialog);
        program->press(VK_RETURN);
        expectClosed(window);
        EXPECT_EQ(program->focus(), convert);
    }
}

} // namespace
} // namespace mrv::test
