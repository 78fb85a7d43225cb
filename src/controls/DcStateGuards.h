#pragma once
// Guards for device-context state that the framework's guards do not cover;
// each puts the previous value back on scope exit.
#include <windows.h>

namespace controls {

class TextAlignGuard {
  public:
    TextAlignGuard(HDC dc, UINT align) noexcept : dc_(dc), previous_(SetTextAlign(dc, align)) {}
    TextAlignGuard(const TextAlignGuard&) = delete;
    TextAlignGuard& operator=(const TextAlignGuard&) = delete;
    ~TextAlignGuard() {
        if (previous_ != GDI_ERROR) {
            SetTextAlign(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    UINT previous_;
};

// Remembers the viewport origin; the owner moves it at will.
class ViewportOriginGuard {
  public:
    explicit ViewportOriginGuard(HDC dc) noexcept : dc_(dc) { GetViewportOrgEx(dc, &previous_); }
    ViewportOriginGuard(const ViewportOriginGuard&) = delete;
    ViewportOriginGuard& operator=(const ViewportOriginGuard&) = delete;
    ~ViewportOriginGuard() { SetViewportOrgEx(dc_, previous_.x, previous_.y, nullptr); }

  private:
    HDC dc_;
    POINT previous_{};
};

} // namespace controls
