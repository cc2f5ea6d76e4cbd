// The windows' pictures, compiled into the program as PNG resources named
// after their files (MRVDate.rc), as bitmaps for picture controls.
#pragma once

#include <windows.h>

#include <string_view>

namespace mrv::win32 {

// Starts and ends the decoder for the program's run.
class PictureDecoder {
public:
    PictureDecoder();
    ~PictureDecoder();
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;

private:
    ULONG_PTR token = 0;
};

// The picture `name` ("library0.png") for `dpi`, `width` × `height` pixels
// there, its transparent parts on the window's background; the caller owns
// the bitmap. Null if it cannot be read.
HBITMAP loadPicture(std::string_view name, int width, int height, int dpi);

} // namespace mrv::win32
