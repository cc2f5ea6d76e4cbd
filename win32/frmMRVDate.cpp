#include "frmMRVDate.h"

#include "OpenWebPage.h"
#include "Pictures.h"
#include "SecondaryWindowDesigns.h"
#include "SecondaryWindows.h"
#include "WebAddresses.h"
#include "Wide.h"
#include "WindowPlacement.h"

#include <chrono>
#include <cstdint>
#include <iterator>
#include <string>

namespace mrv::win32 {

namespace {

namespace design = forms::mainWindow;

constexpr wchar_t kClassName[] = L"MRVDateMainWindow";
// Menu entries are commands 1 to 5, the controls 100 on, in design order.
constexpr int kFirstMenuId = 1;
constexpr int kFirstControlId = 100;

DWORD ownStyles(const forms::ControlDesign& row)
{
    if (row.kind == forms::ControlKind::CommandButton)
        return BS_DEFPUSHBUTTON;
    // The options are one group, started by the first; the result box
    // after them ends it.
    if ((row.name == "optDate" && row.index == 0) || row.name == "lblDateBox")
        return WS_GROUP;
    return 0;
}

// The separator the user's regional settings write numbers with.
std::string decimalSeparator()
{
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                    static_cast<int>(std::size(separator)));
    return narrow(separator);
}

void showBox(HWND owner, std::string_view icon, std::string_view title, std::string_view message)
{
    MessageBoxW(owner, wide(message).c_str(), wide(title).c_str(),
                MB_OK | (icon == "critical" ? MB_ICONERROR : MB_ICONINFORMATION));
}

} // namespace

frmMRVDate::frmMRVDate(HINSTANCE instance)
{
    registerFormClass(instance, kClassName, windowProc);

    window = CreateWindowExW(formExStyle(design::kForm), kClassName, wide(design::kForm.title).c_str(),
                             formStyle(design::kForm), CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                             instance, this);
    controls.create(window, design::kControls, kFirstControlId, ownStyles);
    createMenu();
    layout(dpiOf(window));
    // Form_Load, its draw of the picture seeded from the clock at every start.
    carryOut(rules.Form_Load(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())));
    ShowWindow(window, SW_SHOWNORMAL);
}

void frmMRVDate::createMenu()
{
    HMENU bar = CreateMenu();
    HMENU help = CreatePopupMenu();
    std::vector<ACCEL> shortcuts;
    int id = kFirstMenuId;
    for (const design::MenuEntry& entry : design::kMenu) {
        const int entryId = id++;
        if (entry.caption.empty()) {
            AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string caption(entry.caption);
        if (entry.ctrlKey) {
            caption += std::string("\tCtrl+") + entry.ctrlKey;
            shortcuts.push_back(
                {FVIRTKEY | FCONTROL, static_cast<WORD>(entry.ctrlKey), static_cast<WORD>(entryId)});
        }
        AppendMenuW(help, MF_STRING, static_cast<UINT_PTR>(entryId), wide(caption).c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), wide(design::kMenuCaption).c_str());
    SetMenu(window, bar);
    keys = CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
}

void frmMRVDate::layout(int dpi)
{
    controls.layout(dpi);
    // Decoded when shown, for this DPI: the start decodes one picture, not
    // the library.
    for (HBITMAP& picture : pictures) {
        if (picture)
            DeleteObject(picture);
        picture = nullptr;
    }
    pictureDpi = dpi;
    if (shownPicture >= 0)
        showPicture(shownPicture);
    sizeToForm(window, design::kForm, dpi);
}

bool frmMRVDate::translate(MSG& message)
{
    // Ctrl+X cuts a selection in the date box; with none it is Help > Exit.
    HWND entry = controls.find("txtInputBox");
    DWORD start = 0, end = 0;
    SendMessageW(entry, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool cutting = GetFocus() == entry && start != end;
    if (!cutting && TranslateAcceleratorW(window, keys, &message))
        return true;
    return IsDialogMessageW(window, &message);
}

LRESULT CALLBACK frmMRVDate::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmMRVDate*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmMRVDate*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT frmMRVDate::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NEXTDLGCTL:
        // What IsDialogMessage asks of a frame's access key: the focus to
        // the control after it in tab order.
        if (LOWORD(lParam)) {
            nextTabFrom = reinterpret_cast<HWND>(wParam);
        } else {
            HWND from = nextTabFrom ? nextTabFrom : GetFocus();
            nextTabFrom = nullptr;
            SetFocus(GetNextDlgTabItem(window, from, wParam != 0));
        }
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(GetDlgCtrlID(controls.find("cmdConvert")), DC_HASDEFID);
    case WM_ACTIVATE:
        activate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (HBRUSH brush = controls.colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_DPICHANGED: {
        layout(HIWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return 0;
    }
    case WM_DESTROY:
        for (HBITMAP picture : pictures)
            DeleteObject(picture);
        DestroyAcceleratorTable(keys);
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void frmMRVDate::activate(bool active)
{
    if (!active) {
        HWND focus = GetFocus();
        if (focus && GetParent(focus) == window)
            focused = focus;
        return;
    }
    returning = focused != nullptr;
    SetFocus(focused ? focused : controls.find("txtInputBox"));
    returning = false;
}

// The design's events, each handed straight to the window's rules; only
// Convert reads the window first.
void frmMRVDate::command(WORD id, WORD code, HWND control)
{
    if (!control && id >= kFirstMenuId && id < kFirstMenuId + static_cast<int>(std::size(design::kMenu))) {
        carryOut(rules.mnuHelp_Click(design::kMenu[id - kFirstMenuId].command));
        return;
    }
    const forms::ControlDesign* row = controls.rowOf(control);
    if (!row)
        return;
    if (row->name == "cmdConvert" && code == BN_CLICKED)
        cmdConvert_Click();
    else if (row->name == "optDate" && code == BN_CLICKED)
        carryOut(rules.optDate_Click(row->index));
    else if (row->name == "txtInputBox" && code == EN_CHANGE)
        carryOut(rules.txtInputBox_Change());
    else if (row->name == "txtInputBox" && code == EN_SETFOCUS && !returning)
        carryOut(rules.txtInputBox_GotFocus());
}

void frmMRVDate::cmdConvert_Click()
{
    const std::string entry = windowText(controls.find("txtInputBox"));
    carryOut(rules.cmdConvert_Click(chosenOption(), entry, decimalSeparator()));
}

int frmMRVDate::chosenOption() const
{
    for (int i = 0; i < static_cast<int>(std::size(design::kOptionCalendars)); ++i) {
        if (SendMessageW(controls.find("optDate", i), BM_GETCHECK, 0, 0) == BST_CHECKED)
            return i;
    }
    return -1;
}

void frmMRVDate::showPicture(int index)
{
    shownPicture = index;
    HBITMAP& picture = pictures[static_cast<std::size_t>(index)];
    if (!picture) {
        const forms::TwipsRect place = design::libraryPicturePlace(index);
        picture = loadPicture(design::kLibraryPictures[static_cast<std::size_t>(index)],
                              pixels(place.width, pictureDpi), pixels(place.height, pictureDpi), pictureDpi);
    }
    SendMessageW(controls.find("imgMain"), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
}

void frmMRVDate::carryOut(const design::Effects& effects)
{
    for (const design::Effect& effect : effects)
        carryOut(effect);
}

void frmMRVDate::carryOut(const design::Effect& effect)
{
    using Kind = design::Effect::Kind;
    switch (effect.kind) {
    case Kind::Centre:
        centreOnScreen(window, design::kForm.centreOrder);
        break;
    case Kind::ShowPicture:
        showPicture(effect.index);
        break;
    case Kind::SetPrefix:
        SetWindowTextW(controls.find("lblDatePrefix"), wide(effect.text).c_str());
        break;
    case Kind::CheckOption:
        // Checked by the rules: BM_SETCHECK is no click to tell them of.
        for (int i = 0; i < static_cast<int>(std::size(design::kOptionCalendars)); ++i)
            SendMessageW(controls.find("optDate", i), BM_SETCHECK,
                         i == effect.index ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Kind::SetResult:
        SetWindowTextW(controls.find("lblDateBox"), wide(effect.text).c_str());
        break;
    case Kind::ShowBox:
        showBox(window, effect.icon, effect.title, effect.text);
        break;
    case Kind::GiveFocus:
        SetFocus(controls.find(effect.control));
        break;
    case Kind::SelectEntry:
        SendMessageW(controls.find("txtInputBox"), EM_SETSEL, 0, -1);
        break;
    case Kind::Beep:
        MessageBeep(MB_OK);
        break;
    case Kind::OpenWebPage:
        OpenWebPage(kProjectPageUrl);
        break;
    case Kind::ShowWindow:
        if (effect.control == forms::instructions::kForm.name)
            showInstructions(window);
        else
            showAbout(window);
        break;
    case Kind::End:
        DestroyWindow(window);
        break;
    }
}

} // namespace mrv::win32
