#pragma once
// The picture of a whole window, frame included, and its bitmap file.
#include "framework/Handles.h"
#include "framework/SystemScopes.h"

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

    HDC CaptureDCHandle() const { return captureDC.Get(); }
    // The picture; the clipboard owns it once it was put there.
    HBITMAP CaptureBitmap() const { return onClipboard ? clipboardBitmap : captureBitmap.Get(); }

    // Writes an uncompressed bitmap file of the bitmap's depth; true only when
    // the whole file was written. A failed file is removed.
    static bool SaveBitmapFile(HDC deviceContext, HBITMAP bitmap, const std::string& path);

  private:
    fw::WindowDc captureDC;
    fw::Bitmap captureBitmap;
    HBITMAP clipboardBitmap = nullptr;
    bool onClipboard = false;
};
