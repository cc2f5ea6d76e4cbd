#include "SecondaryWindows.h"

#include "DesignedControls.h"
#include "OpenWebPage.h"
#include "Pictures.h"
#include "SecondaryWindowDesigns.h"
#include "Version.h"
#include "WebAddresses.h"
#include "Wide.h"
#include "WindowPlacement.h"

#include <memory>
#include <string>

namespace mrv::win32 {

namespace {

constexpr int kFirstId = 100;
constexpr wchar_t kClassName[] = L"MRVDateSecondaryWindow";

// One modal showing of a form: its controls, and what its own controls do.
struct SecondaryWindow {
    SecondaryWindow(const forms::FormDesign& form, std::span<const forms::ControlDesign> table)
        : form(form), table(table)
    {
    }
    const forms::FormDesign& form;
    std::span<const forms::ControlDesign> table;
    HWND window = nullptr;
    HWND cmdOK = nullptr;
    DesignedControls controls;
    HBITMAP picture = nullptr;
    bool done = false;

    ~SecondaryWindow()
    {
        if (picture)
            DeleteObject(picture);
    }
};

DWORD ownStyles(const forms::ControlDesign& row)
{
    if (row.kind == forms::ControlKind::CommandButton)
        return BS_DEFPUSHBUTTON;
    // The instructions: wrapped lines, no scroll bars, never typed into.
    if (row.kind == forms::ControlKind::TextBox)
        return ES_MULTILINE | ES_READONLY;
    return 0;
}

std::string withWindowsLineEnds(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// The update site's host, which the link shows: the address without its
// scheme and path.
std::string hostOf(std::string_view address)
{
    if (const auto scheme = address.find("://"); scheme != std::string_view::npos)
        address.remove_prefix(scheme + 3);
    return std::string(address.substr(0, address.find('/')));
}

void fill(SecondaryWindow& self, int dpi)
{
    if (HWND text = self.controls.find("txtInstructions"))
        SetWindowTextW(text, wide(withWindowsLineEnds(texts::frmInstructions::txtInstructions)).c_str());
    if (HWND version = self.controls.find("Label3", 4))
        SetWindowTextW(version, wide(windowText(version) + kApplicationVersion).c_str());
    if (HWND link = self.controls.find("lblHyperlink"))
        SetWindowTextW(link, wide(hostOf(kUpdateSiteUrl)).c_str());
    if (HWND image = self.controls.find("Image1")) {
        const forms::TwipsRect place = forms::designOf(forms::about::kControls, "Image1").place;
        if (self.picture)
            DeleteObject(self.picture);
        self.picture =
            loadPicture(forms::about::kPicture, pixels(place.width, dpi), pixels(place.height, dpi), dpi);
        SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(self.picture));
    }
}

void layout(SecondaryWindow& self, int dpi)
{
    self.controls.layout(dpi);
    fill(self, dpi);
    sizeToForm(self.window, self.form, dpi);
}

LRESULT command(SecondaryWindow& self, HWND control, WORD code)
{
    const forms::ControlDesign* row = self.controls.rowOf(control);
    if (!row)
        return 0;
    if (row->name == "cmdOK" && code == BN_CLICKED)
        self.done = true; // cmdOK_Click
    else if (row->name == "lblHyperlink" && code == STN_CLICKED)
        OpenWebPage(kUpdateSiteUrl); // lblHyperlink_Click: the window stays open
    else if (row->name == "txtInstructions" && code == EN_SETFOCUS)
        SetFocus(self.cmdOK); // txtInstructions_GotFocus: nothing is typed into it
    return 0;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<SecondaryWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        return command(*self, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
    case DM_GETDEFID:
        return MAKELRESULT(GetDlgCtrlID(self->cmdOK), DC_HASDEFID);
    case WM_ACTIVATE:
        // OK is the one control that takes the focus, whenever the window
        // is active again.
        if (LOWORD(wParam) != WA_INACTIVE)
            SetFocus(self->cmdOK);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (HBRUSH brush =
                self->controls.colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_DPICHANGED: {
        layout(*self, HIWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return 0;
    }
    case WM_CLOSE:
        self->done = true;
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerClass(HINSTANCE instance)
{
    static const bool registered = [instance] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        windowClass.hIconSm =
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

void showModal(HWND owner, const forms::FormDesign& form, std::span<const forms::ControlDesign> table)
{
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    registerClass(instance);
    SecondaryWindow self{form, table};
    self.window = CreateWindowExW(formExStyle(form), kClassName, wide(form.title).c_str(), formStyle(form),
                                  CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr, instance, nullptr);
    self.controls.create(self.window, table, kFirstId, ownStyles);
    self.cmdOK = self.controls.find("cmdOK");
    layout(self, dpiOf(self.window));
    SetWindowLongPtrW(self.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&self));
    centreOnScreen(self.window, form.centreOrder); // Form_Load

    EnableWindow(owner, FALSE);
    ShowWindow(self.window, SW_SHOW);
    SetFocus(self.cmdOK);
    MSG message;
    bool quit = false;
    while (!self.done && !quit) {
        quit = GetMessageW(&message, nullptr, 0, 0) <= 0;
        if (!quit && !IsDialogMessageW(self.window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The owner first, so that it is the window activated when this one goes.
    EnableWindow(owner, TRUE);
    SetWindowLongPtrW(self.window, GWLP_USERDATA, 0);
    DestroyWindow(self.window);
    if (quit)
        PostQuitMessage(static_cast<int>(message.wParam));
}

} // namespace

void showInstructions(HWND owner)
{
    showModal(owner, forms::instructions::kForm, forms::instructions::kControls);
}

void showAbout(HWND owner)
{
    showModal(owner, forms::about::kForm, forms::about::kControls);
}

} // namespace mrv::win32
