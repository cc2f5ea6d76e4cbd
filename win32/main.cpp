// MRVDate.exe: the converter window, on the program's one thread, until it
// is closed or Help > Exit ends it.
#include "Pictures.h"
#include "frmMRVDate.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    const mrv::win32::PictureDecoder pictures;
    mrv::win32::frmMRVDate window(instance);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.translate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
