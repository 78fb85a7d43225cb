#include "export/CWindowCapture.h"

#include "export/BitmapFile.h"

#include <cstdio>
#include <vector>

namespace {

// Room for the header and the largest colour table or set of masks a query may
// write behind it.
struct InfoBlock {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

exports::BitmapInfoHeader FromWin32(const BITMAPINFOHEADER& header) {
    exports::BitmapInfoHeader info;
    info.width = header.biWidth;
    info.height = header.biHeight;
    info.planes = header.biPlanes;
    info.bitCount = header.biBitCount;
    info.compression = header.biCompression;
    info.sizeImage = header.biSizeImage;
    info.xPelsPerMeter = header.biXPelsPerMeter;
    info.yPelsPerMeter = header.biYPelsPerMeter;
    info.clrUsed = header.biClrUsed;
    info.clrImportant = header.biClrImportant;
    return info;
}

void ToWin32(const exports::BitmapInfoHeader& info, BITMAPINFOHEADER& header) {
    header.biBitCount = info.bitCount;
    header.biCompression = info.compression;
    header.biSizeImage = info.sizeImage;
    header.biClrUsed = info.clrUsed;
    header.biClrImportant = info.clrImportant;
}

bool WriteBitmap(std::FILE* file, HDC deviceContext, HBITMAP bitmap) {
    InfoBlock block = {};
    block.header.biSize = sizeof(BITMAPINFOHEADER);
    auto* info = reinterpret_cast<BITMAPINFO*>(&block);
    if (GetDIBits(deviceContext, bitmap, 0, 0, nullptr, info, DIB_RGB_COLORS) == 0) {
        return false;
    }
    const exports::BitmapInfoHeader fileInfo = exports::HeaderForFile(FromWin32(block.header));
    ToWin32(fileInfo, block.header);

    const auto fileHeader = exports::FileHeaderBytes(fileInfo);
    const auto infoHeader = exports::InfoHeaderBytes(fileInfo);
    if (std::fwrite(fileHeader.data(), 1, fileHeader.size(), file) != fileHeader.size() ||
        std::fwrite(infoHeader.data(), 1, infoHeader.size(), file) != infoHeader.size()) {
        return false;
    }
    std::vector<unsigned char> pixels(fileInfo.sizeImage);
    const UINT lines = static_cast<UINT>(fileInfo.height < 0 ? -fileInfo.height : fileInfo.height);
    if (GetDIBits(deviceContext, bitmap, 0, lines, pixels.data(), info, DIB_RGB_COLORS) == 0) {
        return false;
    }
    exports::ClearUnusedPixelBytes(fileInfo, pixels.data(), pixels.size());
    return std::fwrite(pixels.data(), 1, pixels.size(), file) == pixels.size();
}

} // namespace

bool CWindowCapture::CaptureWindowBitmap(HWND window, HWND clipboardOwner) {
    RECT bounds = {};
    if (captureDC || onClipboard || !GetWindowRect(window, &bounds)) {
        return false;
    }
    // Paint what is still pending (the area a closed menu uncovered, controls not
    // yet drawn), or the picture shows it unpainted.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    captureDC = fw::WindowDc::Whole(window);
    if (!captureDC) {
        return false;
    }
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    fw::MemoryDc memory(CreateCompatibleDC(captureDC.Get()));
    captureBitmap.Reset(CreateCompatibleBitmap(captureDC.Get(), width, height));
    if (!memory || !captureBitmap) {
        return false;
    }
    {
        fw::SelectGuard select(memory.Get(), captureBitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, captureDC.Get(), 0, 0, SRCCOPY);
    }
    if (const fw::ClipboardSession clipboard{clipboardOwner}) {
        EmptyClipboard();
        if (SetClipboardData(CF_BITMAP, captureBitmap.Get()) != nullptr) {
            onClipboard = true;
            clipboardBitmap = captureBitmap.Release();
        }
    }
    return true;
}

bool CWindowCapture::SaveBitmapFile(HDC deviceContext, HBITMAP bitmap, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = WriteBitmap(file, deviceContext, bitmap);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::remove(path.c_str());
        return false;
    }
    return true;
}
