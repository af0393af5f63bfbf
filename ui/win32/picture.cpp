// SPDX-License-Identifier: MIT
#include "picture.h"

#include "platform/text_win.h"

#include <cstdio>
#include <string>

#include <wincodec.h>
#include <wrl/client.h>

namespace ui::win32 {
namespace {

using Microsoft::WRL::ComPtr;

std::string unreadable(std::string_view path, HRESULT result) {
    char code[16];
    std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(result));
    return std::string(platform::PictureUnreadable) + std::string(path) + "（错误 0x" + code + "）";
}

} // namespace

platform::LoadedPicture LoadPictureFile(std::string_view path) {
    if (path.empty())
        return {};
    const std::wstring file = platform::WideFromUtf8(path);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return {{}, std::string(platform::PictureMissing) + std::string(path)};

    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(&factory));
    if (SUCCEEDED(result))
        result = factory->CreateDecoderFromFilename(file.c_str(), nullptr, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, &decoder);
    if (SUCCEEDED(result))
        result = decoder->GetFrame(0, &frame);
    UINT width = 0;
    UINT height = 0;
    if (SUCCEEDED(result))
        result = frame->GetSize(&width, &height);
    if (FAILED(result))
        return {{}, unreadable(path, result)};
    // The header may claim any size: nothing is decoded beyond the limit.
    if (static_cast<std::int64_t>(width) * height > platform::MaximumPicturePixels)
        return {{}, std::string(platform::PictureTooLarge) + std::string(path)};

    ComPtr<IWICFormatConverter> converted;
    result = factory->CreateFormatConverter(&converted);
    if (SUCCEEDED(result))
        result =
            converted->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                  WICBitmapDitherTypeNone, nullptr, 0, WICBitmapPaletteTypeCustom);
    platform::Picture picture{static_cast<int>(width), static_cast<int>(height), {}};
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
    if (SUCCEEDED(result))
        result =
            converted->CopyPixels(nullptr, width * 4, static_cast<UINT>(picture.pixels.size() * 4),
                                  reinterpret_cast<BYTE*>(picture.pixels.data()));
    if (FAILED(result))
        return {{}, unreadable(path, result)};
    return {std::move(picture), {}};
}

void DrawPicture(HDC dc, const RECT& target, const platform::Picture& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, target.left, target.top, target.right - target.left,
                  target.bottom - target.top, 0, 0, picture.width, picture.height,
                  picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

} // namespace ui::win32
