#pragma once
// A memory device context with a bitmap the size of one rectangle of a target
// context: everything is drawn into it, and the destructor copies the picture
// to the target in one block transfer. Drawing uses the target's coordinates.
#include "framework/Handles.h"

#include <windows.h>

class COffscreenDC {
  public:
    COffscreenDC(HDC target, const RECT& area) noexcept;
    COffscreenDC(const COffscreenDC&) = delete;
    COffscreenDC& operator=(const COffscreenDC&) = delete;
    ~COffscreenDC();

    // The context to draw on: the memory context, or the target itself when
    // no memory context could be made.
    HDC Get() const noexcept { return memory ? memory.Get() : target; }

  private:
    HDC target;
    RECT area;
    fw::MemoryDc memory;
    fw::Bitmap bitmap;
    HGDIOBJ previousBitmap = nullptr;
};
