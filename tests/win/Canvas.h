#pragma once
// A 32-bit top-down picture in a memory context: tests draw or print into it
// and read its pixels back.
#include "framework/Handles.h"

#include <algorithm>
#include <cstdint>
#include <vector>

class Canvas {
  public:
    Canvas(int width, int height, COLORREF fill = RGB(0, 0, 0))
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const std::uint32_t*>(bits);
        previous_ = SelectObject(dc_.Get(), bitmap_.Get());
        Fill(fill);
    }
    ~Canvas() { SelectObject(dc_.Get(), previous_); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Fill(COLORREF color) {
        fw::Brush brush(CreateSolidBrush(color));
        const RECT all{0, 0, width_, height_};
        FillRect(Dc(), &all, brush.Get());
    }
    // Lets `window` paint its client area here, as a print request asks it to.
    Canvas& Print(HWND window) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dc()), PRF_CLIENT);
        return *this;
    }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgr = bits_[y * width_ + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                pixels.push_back(At(x, y));
        return pixels;
    }
    // The box around the pixels for which `match` holds, `inset` pixels inside
    // the edges; right/bottom are exclusive and the box is empty when none match.
    template <typename Match> RECT BoundsWhere(Match match, int inset = 0) const {
        RECT box{width_, height_, 0, 0};
        for (int y = inset; y < height_ - inset; ++y)
            for (int x = inset; x < width_ - inset; ++x)
                if (match(At(x, y))) {
                    box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                           std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
                }
        return box;
    }
    RECT BoundsOfOther(COLORREF background, int inset = 0) const {
        return BoundsWhere([=](COLORREF c) { return c != background; }, inset);
    }

  private:
    int width_;
    int height_;
    fw::MemoryDc dc_;
    fw::Bitmap bitmap_;
    const std::uint32_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

inline bool IsDark(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
}
