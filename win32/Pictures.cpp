#include "Pictures.h"

#include "Wide.h"

#include <gdiplus.h>
#include <shlwapi.h>

#include <algorithm>
#include <string>

namespace mrv::win32 {

namespace {

namespace gdip = Gdiplus::DllExports;

// The resource of the drawing at 1x, 2x or 3x (tools/make-pictures.sh) for a
// scale of dpi/96: "library0@2x.png" is library0_2x_png (win32/CMakeLists.txt).
std::wstring resourceName(std::string_view name, int dpi)
{
    const int scale = std::clamp((dpi + 95) / 96, 1, 3);
    const std::size_t dot = name.rfind('.');
    std::string id(name.substr(0, dot));
    if (scale > 1)
        id += '_' + std::to_string(scale) + 'x';
    id += '_';
    id += name.substr(dot + 1);
    return wide(id);
}

IStream* resourceStream(const std::wstring& name)
{
    HRSRC found = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!found)
        return nullptr;
    HGLOBAL data = LoadResource(nullptr, found);
    return SHCreateMemStream(static_cast<const BYTE*>(LockResource(data)), SizeofResource(nullptr, found));
}

} // namespace

PictureDecoder::PictureDecoder()
{
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
}

PictureDecoder::~PictureDecoder()
{
    Gdiplus::GdiplusShutdown(token);
}

HBITMAP loadPicture(std::string_view name, int width, int height, int dpi)
{
    IStream* stream = resourceStream(resourceName(name, dpi));
    if (!stream)
        return nullptr;
    Gdiplus::GpBitmap* bitmap = nullptr;
    gdip::GdipCreateBitmapFromStream(stream, &bitmap);
    stream->Release();
    if (!bitmap)
        return nullptr;
    // A drawing for another scale (2x at 1.5x) is scaled to the place.
    UINT drawnWidth = 0;
    gdip::GdipGetImageWidth(bitmap, &drawnWidth);
    Gdiplus::GpImage* sized = bitmap;
    if (static_cast<int>(drawnWidth) != width)
        gdip::GdipGetImageThumbnail(bitmap, static_cast<UINT>(width), static_cast<UINT>(height), &sized,
                                    nullptr, nullptr);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    HBITMAP result = nullptr;
    gdip::GdipCreateHBITMAPFromBitmap(static_cast<Gdiplus::GpBitmap*>(sized), &result,
                                      0xFF000000u | GetRValue(face) << 16 | GetGValue(face) << 8 |
                                          GetBValue(face));
    if (sized != bitmap)
        gdip::GdipDisposeImage(sized);
    gdip::GdipDisposeImage(bitmap);
    return result;
}

} // namespace mrv::win32
