#include "gui/Screenshot.h"

#include <wincodec.h>

#include <vector>

namespace sindhikit::guitest {

namespace {

template <typename T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

// ctest runs the tests on the build machine's paths; Wine shows them under drive Z:.
std::wstring ToWindowsPath(const std::string& path) {
    std::wstring out = path.size() && path[0] == '/' ? L"Z:" : L"";
    for (char c : path) out += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return out;
}

}  // namespace

std::wstring ScreenshotFolder() {
    const std::wstring folder = ToWindowsPath(SINDHIKIT_SCREENSHOT_DIR);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

bool SavePng(const Pixels& pixels, const std::wstring& path) {
    if (pixels.width <= 0 || pixels.height <= 0) return false;
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool ok = false;
    {
        ComPtr<IWICImagingFactory> factory;
        ComPtr<IWICStream> stream;
        ComPtr<IWICBitmapEncoder> encoder;
        ComPtr<IWICBitmapFrameEncode> frame;
        ComPtr<IPropertyBag2> options;
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        std::vector<BYTE> data(pixels.bgr.begin(), pixels.bgr.end());
        const UINT stride = static_cast<UINT>(pixels.width) * 3;
        ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                        reinterpret_cast<void**>(&factory))) &&
             SUCCEEDED(factory->CreateStream(&stream)) &&
             SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
             SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
             SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
             SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) && SUCCEEDED(frame->Initialize(options.p)) &&
             SUCCEEDED(frame->SetSize(pixels.width, pixels.height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
             IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
             SUCCEEDED(frame->WritePixels(pixels.height, stride, static_cast<UINT>(data.size()), data.data())) &&
             SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return ok;
}

bool SaveWindowScreenshot(HWND hwnd, const std::wstring& name) {
    return SavePng(CaptureWindow(hwnd), ScreenshotFolder() + L"\\" + name + L".png");
}

bool SaveBitmapScreenshot(HBITMAP bitmap, const std::wstring& name) {
    return SavePng(ReadBitmap(bitmap), ScreenshotFolder() + L"\\" + name + L".png");
}

}  // namespace sindhikit::guitest
