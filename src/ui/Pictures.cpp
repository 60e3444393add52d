#include "ui/Pictures.h"

#include <wincodec.h>

#include <cstring>
#include <map>
#include <tuple>

#include "ui/WindowScale.h"

namespace {

// Decoded and scaled pictures by id and size, for the whole process: dialogs open again
// and again, and decoding a PNG costs more than opening one.
std::map<std::tuple<int, int, int>, HBITMAP> pictures;

struct Resource {
    const BYTE* bytes = nullptr;
    DWORD size = 0;
};

Resource FindPng(int pictureId, const char* type) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(pictureId), type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, found)};
}

// A PNG's size is in its header, so the choice of rendering needs no decoding.
PixelSize PngSize(const Resource& png) {
    if (png.size < 24) return {};
    auto bigEndian = [&](int at) {
        return static_cast<int>((png.bytes[at] << 24) | (png.bytes[at + 1] << 16) | (png.bytes[at + 2] << 8) | png.bytes[at + 3]);
    };
    return {bigEndian(16), bigEndian(20)};
}

template <typename T>
struct ComPointer {
    T* p = nullptr;
    ~ComPointer() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

// Decodes with the system's imaging component into premultiplied BGRA (opaque pictures,
// so the same as plain BGRA).
bool Decode(const Resource& png, Pixels& pixels) {
    // Harmless when the thread has COM already; the process keeps it to its end.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComPointer<IWICImagingFactory> factory;
    ComPointer<IWICStream> stream;
    ComPointer<IWICBitmapDecoder> decoder;
    ComPointer<IWICBitmapFrameDecode> frame;
    ComPointer<IWICBitmapSource> converted;
    UINT width = 0, height = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.bytes), png.size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame.p, &converted)) ||
        FAILED(converted->GetSize(&width, &height))) {
        return false;
    }
    pixels.size = {static_cast<int>(width), static_cast<int>(height)};
    pixels.bytes.resize(static_cast<std::size_t>(width) * height * 4);
    return SUCCEEDED(converted->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.bytes.size()), pixels.bytes.data()));
}

HBITMAP ToBitmap(const Pixels& pixels) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = pixels.size.width;
    info.bmiHeader.biHeight = -pixels.size.height;  // rows top to bottom, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    // The pictures are opaque. A 32-bit bitmap whose pixels carry alpha is copied by the
    // picture control and drawn by blending; with the alpha bytes cleared it is drawn as is.
    auto* bytes = static_cast<BYTE*>(bits);
    std::memcpy(bytes, pixels.bytes.data(), pixels.bytes.size());
    for (std::size_t alpha = 3; alpha < pixels.bytes.size(); alpha += 4) bytes[alpha] = 0;
    return bitmap;
}

HBITMAP Render(int pictureId, PixelSize size) {
    Resource single = FindPng(pictureId, "PNG");
    if (!single.bytes) return nullptr;
    Resource chosen = single;
    if (RenderingFor(size, PictureSize(pictureId)) == PictureRendering::Double) {
        Resource twice = FindPng(pictureId, "PNG2X");
        if (twice.bytes) chosen = twice;
    }
    Pixels decoded;
    if (!Decode(chosen, decoded)) return nullptr;
    if (decoded.size.width == size.width && decoded.size.height == size.height) return ToBitmap(decoded);
    return ToBitmap(ScalePixels(decoded, size));
}

bool IsButton(HWND control) {
    char name[16] = {};
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, "Button") == 0;
}

}  // namespace

PixelSize PictureSize(int pictureId) { return PngSize(FindPng(pictureId, "PNG")); }

HBITMAP PictureAt(int pictureId, PixelSize size) {
    if (size.width <= 0 || size.height <= 0) return nullptr;
    HBITMAP& picture = pictures[{pictureId, size.width, size.height}];
    if (!picture) picture = Render(pictureId, size);
    return picture;
}

void ShowPicture(HWND control, int pictureId) {
    RECT area;
    GetClientRect(control, &area);
    if (IsButton(control)) {
        // A button draws its picture inside its frame, as thick as the button's scale makes it.
        const int dpi = WindowDpi(control);
        InflateRect(&area, -SystemMetricAt(SM_CXEDGE, dpi), -SystemMetricAt(SM_CYEDGE, dpi));
        HBITMAP picture = PictureAt(pictureId, {area.right - area.left, area.bottom - area.top});
        SendMessageA(control, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    } else {
        HBITMAP picture = PictureAt(pictureId, {area.right, area.bottom});
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    }
}
