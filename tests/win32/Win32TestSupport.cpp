#include "Win32TestSupport.h"

#include "frmMRVDateDesign.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace mrv::test {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The icon's colour tells the system icons apart: the critical one is
// mostly red, the information one mostly blue.
void readIcon(HWND icon, ShownBox& box)
{
    RECT place;
    GetWindowRect(icon, &place);
    HDC screen = GetDC(nullptr);
    long red = 0, blue = 0;
    for (int y = place.top; y < place.bottom; ++y) {
        for (int x = place.left; x < place.right; ++x) {
            const COLORREF colour = GetPixel(screen, x, y);
            red += GetRValue(colour) > 2 * GetBValue(colour) && GetRValue(colour) > 128;
            blue += GetBValue(colour) > 2 * GetRValue(colour) && GetBValue(colour) > 128;
        }
    }
    ReleaseDC(nullptr, screen);
    box.critical = red > 4 * blue;
    box.information = blue > 4 * red;
}

} // namespace

int expectedDpi()
{
    const std::string dpi = environment("MRVDATE_TEST_DPI");
    return dpi.empty() ? 96 : std::stoi(dpi);
}

int px(int twips)
{
    return MulDiv(twips, expectedDpi(), 1440);
}

RECT expectedPlace(std::span<const forms::ControlDesign> table, const forms::ControlDesign& row)
{
    forms::TwipsRect place = row.place;
    for (const forms::ControlDesign& container : table) {
        if (container.name == row.container && container.index == -1) {
            place.left += container.place.left;
            place.top += container.place.top;
        }
    }
    const int left = px(place.left), top = px(place.top);
    return {left, top, left + px(place.width), top + px(place.height)};
}

const char* expectedClass(forms::ControlKind kind)
{
    using forms::ControlKind;
    switch (kind) {
    case ControlKind::Frame:
    case ControlKind::CommandButton:
    case ControlKind::OptionButton:
        return "Button";
    case ControlKind::TextBox:
        return "Edit";
    case ControlKind::Label:
    case ControlKind::Picture:
        break;
    }
    return "Static";
}

void expectControlsOf(HWND window, std::span<const forms::ControlDesign> table)
{
    const std::vector<HWND> children = childrenOf(window);
    ASSERT_EQ(children.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const forms::ControlDesign& row = table[i];
        SCOPED_TRACE(std::string(row.name) + "(" + std::to_string(row.index) + ")");
        const SeenControl seenControl = seen(children[i]);
        EXPECT_EQ(seenControl.className, expectedClass(row.kind));
        if (!row.caption.empty()) {
            EXPECT_EQ(seenControl.text, row.caption);
        }
        const RECT place = expectedPlace(table, row);
        EXPECT_EQ(seenControl.place.left, place.left);
        EXPECT_EQ(seenControl.place.top, place.top);
        EXPECT_EQ(seenControl.place.right, place.right);
        EXPECT_EQ(seenControl.place.bottom, place.bottom);
        // A group of options is one tab stop, at its first member.
        const bool stop = row.tabIndex != forms::kNoTabStop &&
                          !(row.kind == forms::ControlKind::OptionButton && row.index > 0);
        EXPECT_EQ((seenControl.style & WS_TABSTOP) != 0, stop);
    }
}

std::string openedAddresses()
{
    std::ifstream log(environment("MRVDATE_BROWSER_LOG"));
    std::stringstream text;
    text << log.rdbuf();
    return text.str();
}

void ProgramTest::SetUp()
{
    const std::string path = environment("MRVDATE_EXE");
    ASSERT_FALSE(path.empty()) << "MRVDATE_EXE names the program";
    program = std::make_unique<ProgramUnderTest>(std::wstring(path.begin(), path.end()));
    main = program->mainWindow();
}

HWND ProgramTest::control(std::string_view name, int index) const
{
    const auto& table = forms::mainWindow::kControls;
    const std::vector<HWND> children = childrenOf(main);
    for (std::size_t i = 0; i < std::size(table) && i < children.size(); ++i) {
        if (table[i].name == name && table[i].index == index)
            return children[i];
    }
    return nullptr;
}

ShownBox ProgramTest::answerBox() const
{
    ShownBox box;
    HWND shown = program->waitForWindow(L"#32770");
    if (!shown)
        return box;
    box.title = textOf(shown);
    for (HWND child : childrenOf(shown)) {
        const DWORD style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        if (classOf(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON)
            waitFor([&] {
                readIcon(child, box);
                return box.critical || box.information;
            });
        else if (classOf(child) == "Static" && GetDlgCtrlID(child) == 0xFFFF)
            box.text = textOf(child);
    }
    program->press(VK_RETURN);
    waitFor([&] { return !IsWindow(shown); });
    return box;
}

} // namespace mrv::test
