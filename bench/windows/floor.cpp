// The start-up anchor: a plain Win32 window with the main window's kinds of
// control (title label, frame, edit box, prefix label, default button, three
// radio buttons, bordered result label, picture, menu bar), made the
// shortest way, without the design tables, DPI scaling or fonts. Built
// twice: with FLOOR_PICTURE its picture control shows the 114 x 163 library
// picture, decoded from its PNG resource by GDI+ as the program's is, so that
// the two differ only in what the program adds; without it, an icon.
#include <windows.h>
#ifdef FLOOR_PICTURE
#include <gdiplus.h>
#include <shlwapi.h>
#endif

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct Control {
    const wchar_t* kind;
    const wchar_t* text;
    DWORD style;
    int x, y, width, height;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
const Control kControls[] = {
    {L"Static", L"Morvane Timeline Date Converter", kChild, 8, 8, 281, 17},
    {L"Button", L"Enter &date to convert", kChild | BS_GROUPBOX, 8, 32, 353, 105},
    {L"Static", L"SC", kChild, 16, 56, 25, 17},
    {L"Edit", L"", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 48, 54, 129, 21},
    {L"Button", L"&Convert", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 192, 52, 81, 25},
    {L"Button", L"&Space Century (SC)", kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 16, 84, 161, 17},
    {L"Button", L"&Earth Year (EY)", kChild | BS_AUTORADIOBUTTON, 16, 100, 161, 17},
    {L"Button", L"&After War (AW)", kChild | BS_AUTORADIOBUTTON, 16, 116, 161, 17},
    {L"Static", L"", kChild | WS_BORDER | SS_CENTER, 8, 148, 476, 25},
#ifdef FLOOR_PICTURE
    {L"Static", L"", kChild | SS_BITMAP, 370, 8, 114, 163},
#else
    {L"Static", L"", kChild | SS_ICON, 376, 16, 32, 32},
#endif
};

#ifdef FLOOR_PICTURE
HBITMAP loadPicture(HINSTANCE instance)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(10)); // RT_RCDATA
    IStream* stream = SHCreateMemStream(static_cast<const BYTE*>(LockResource(LoadResource(instance, found))),
                                        SizeofResource(instance, found));
    Gdiplus::GpBitmap* bitmap = nullptr;
    Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &bitmap);
    stream->Release();
    HBITMAP result = nullptr;
    Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(bitmap, &result, 0xFFF0F0F0u);
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return result;
}
#endif

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
#ifdef FLOOR_PICTURE
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
#endif
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"Floor";
    RegisterClassW(&windowClass);

    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, 1, L"&Instructions");
    AppendMenuW(help, MF_STRING, 2, L"A&bout");
    AppendMenuW(help, MF_STRING, 4, L"&Morvane website");
    AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(help, MF_STRING, 3, L"E&xit\tCtrl+X");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");

    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 492, 187};
    AdjustWindowRect(&frame, kStyle, TRUE);
    HWND window =
        CreateWindowW(L"Floor", L"Morvane Timeline Date Converter", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      frame.right - frame.left, frame.bottom - frame.top, nullptr, bar, instance, nullptr);
    for (const Control& c : kControls) {
        HWND control = CreateWindowW(c.kind, c.text, c.style, c.x, c.y, c.width, c.height, window, nullptr,
                                     instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
#ifdef FLOOR_PICTURE
        if ((c.style & SS_TYPEMASK) == SS_BITMAP)
            SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP,
                         reinterpret_cast<LPARAM>(loadPicture(instance)));
#else
        if ((c.style & SS_TYPEMASK) == SS_ICON)
            SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(windowClass.hIcon), 0);
#endif
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
