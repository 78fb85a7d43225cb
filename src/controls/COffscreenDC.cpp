#include "controls/COffscreenDC.h"

COffscreenDC::COffscreenDC(HDC targetDc, const RECT& targetArea) noexcept
    : target(targetDc), area(targetArea) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    fw::MemoryDc newMemory(CreateCompatibleDC(target));
    fw::Bitmap newBitmap(CreateCompatibleBitmap(target, width, height));
    if (!newMemory || !newBitmap) {
        return;
    }
    previousBitmap = SelectObject(newMemory.Get(), newBitmap.Get());
    SetWindowOrgEx(newMemory.Get(), area.left, area.top, nullptr);
    memory = std::move(newMemory);
    bitmap = std::move(newBitmap);
}

COffscreenDC::~COffscreenDC() {
    if (!memory) {
        return;
    }
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
           memory.Get(), area.left, area.top, SRCCOPY);
    SelectObject(memory.Get(), previousBitmap);
}
