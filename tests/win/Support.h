#pragma once
// What the Win32 tests share: a picture in memory that windows print into and tests
// read back, and the answering of the modal boxes that a call shows on this thread.
#include "framework/Handles.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

class Canvas {
  public:
    Canvas(int width, int height, COLORREF fill = RGB(0, 0, 0))
        : width(width), height(height), dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap.Reset(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        previous = SelectObject(dc.Get(), bitmap.Get());
        const fw::Brush brush(CreateSolidBrush(fill));
        const RECT all{0, 0, width, height};
        FillRect(Dc(), &all, brush.Get());
    }
    ~Canvas() { SelectObject(dc.Get(), previous); }

    HDC Dc() const { return dc.Get(); }
    // Lets `window` paint its client area here, as a print request asks it to.
    Canvas& Print(HWND window) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dc()), PRF_CLIENT);
        return *this;
    }
    COLORREF At(int x, int y) const { return GetPixel(Dc(), x, y); }
    // The pixels of `area`, row by row.
    std::vector<COLORREF> Pixels(RECT area = {0, 0, 1 << 16, 1 << 16}) const {
        std::vector<COLORREF> pixels;
        for (int y = area.top; y < height && y < area.bottom; ++y)
            for (int x = area.left; x < width && x < area.right; ++x)
                pixels.push_back(At(x, y));
        return pixels;
    }
    int Count(COLORREF color, RECT area = {0, 0, 1 << 16, 1 << 16}) const {
        const std::vector<COLORREF> pixels = Pixels(area);
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), color));
    }

  private:
    int width;
    int height;
    fw::MemoryDc dc;
    fw::Bitmap bitmap;
    HGDIOBJ previous = nullptr;
};

inline HWND Create(const char* className, const char* text, DWORD style, int x, int y, int width,
                   int height, HWND parent = nullptr) {
    return CreateWindowExA(0, className, text, style, x, y, width, height, parent, nullptr, nullptr,
                           nullptr);
}

// A window's text, or its control's `id`.
inline std::string Text(HWND window, int id = 0) {
    char text[512] = {};
    GetWindowTextA(id != 0 ? GetDlgItem(window, id) : window, text, sizeof text);
    return text;
}

// The object of the program's class that runs a dialog's control.
template <typename Control> Control& ControlOf(HWND dialog, int id) {
    return dynamic_cast<Control&>(*fw::Window::FromHandle(GetDlgItem(dialog, id)));
}

inline std::function<void(HWND)> boxAnswer;

inline void CALLBACK AnswerActiveBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = GetActiveWindow();
    char name[8] = {};
    GetClassNameA(box, name, sizeof name);
    if (IsWindowVisible(box) && lstrcmpA(name, "#32770") == 0)
        boxAnswer(box);
}

// Runs `show`, which opens modal boxes on this thread, and hands each box to
// `answer` once it is shown; `answer` closes it.
inline void WithBoxes(const std::function<void()>& show, const std::function<void(HWND)>& answer) {
    boxAnswer = answer;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerActiveBox);
    show();
    KillTimer(nullptr, timer);
}

// The texts of the message boxes that `show` opens, each answered with OK.
inline std::vector<std::string> BoxTexts(const std::function<void()>& show) {
    std::vector<std::string> texts;
    WithBoxes(show, [&](HWND box) {
        char text[512] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        texts.push_back(text);
        SendMessageA(box, WM_COMMAND, IDOK, 0);
    });
    return texts;
}
