#include "controls/COffscreenDC.h"

COffscreenDC::COffscreenDC(HDC target, const RECT& area) noexcept : target_(target), area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    fw::MemoryDc memory(CreateCompatibleDC(target));
    fw::Bitmap bitmap(CreateCompatibleBitmap(target, width, height));
    if (!memory || !bitmap) {
        return;
    }
    previousBitmap_ = SelectObject(memory.Get(), bitmap.Get());
    SetWindowOrgEx(memory.Get(), area.left, area.top, nullptr);
    memory_ = std::move(memory);
    bitmap_ = std::move(bitmap);
}

COffscreenDC::~COffscreenDC() {
    if (!memory_) {
        return;
    }
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           memory_.Get(), area_.left, area_.top, SRCCOPY);
    SelectObject(memory_.Get(), previousBitmap_);
}
