#pragma once
// The picture of a whole window, frame included, and its bitmap file.
#include "framework/Handles.h"

#include <windows.h>

#include <string>

class CWindowCapture {
  public:
    CWindowCapture() = default;
    CWindowCapture(const CWindowCapture&) = delete;
    CWindowCapture& operator=(const CWindowCapture&) = delete;

    // Copies the window's pixels into a bitmap of its outer size and puts that
    // bitmap on the clipboard when the clipboard can be opened.
    bool CaptureWindowBitmap(HWND window, HWND clipboardOwner);

    HDC captureDCHandle() const { return captureDC_.Get(); }
    // The picture; the clipboard owns it once it was put there.
    HBITMAP captureBitmap() const { return onClipboard_ ? clipboardBitmap_ : captureBitmap_.Get(); }
    bool BitmapOnClipboard() const { return onClipboard_; }

    // Writes an uncompressed bitmap file of the bitmap's depth; true only when
    // the whole file was written. A failed file is removed.
    static bool SaveBitmapFile(HDC deviceContext, HBITMAP bitmap, const std::string& path);

  private:
    fw::WindowDc captureDC_;
    fw::Bitmap captureBitmap_;
    HBITMAP clipboardBitmap_ = nullptr;
    bool onClipboard_ = false;
};
