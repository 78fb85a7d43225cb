#pragma once
// The program's own tooltip: a borderless popup shaped as a speech balloon whose
// stem touches the mouse pointer. The owner registers its tool windows and hands
// every message to RelayEvent before its own processing.
#include "controls/BalloonShape.h"
#include "framework/Handles.h"
#include "framework/Window.h"

#include <map>
#include <string>

class CBalloonTip : public fw::Window {
  public:
    static constexpr UINT_PTR ShowTimerId = 100;
    static constexpr UINT_PTR PollTimerId = 101;
    static constexpr UINT PollInterval = 500;
    static constexpr const char* ClassName = "OrbeluneBalloonTip";

    CBalloonTip();
    ~CBalloonTip() override;

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    // Remembers the parent; the popup window is made when a tip is first shown.
    BOOL Create(HWND parent);
    void AddTool(HWND tool, const char* text, HICON toolIcon);
    void RemoveTool(HWND tool);
    // Never consumes the message.
    void RelayEvent(const MSG& message);

    void SetTipIcon(HICON newIcon);
    // Measures and draws for `dpi` from now on (the window's DPI until set).
    void SetDpi(int newDpi);
    void ShowAt(const std::string& newText, const POINT* at);
    // The balloon's region (handed to the caller) and, when asked, its window size.
    void ComputeShape(HDC dc, HRGN* region, SIZE* size);

    UINT delay = 500;

    const std::string& Text() const noexcept { return text; }

  protected:
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  private:
    int CurrentDpi() const;
    // The balloon around the text in the tip's font, and its window region.
    controls::BalloonShape MeasureShape(HDC dc);
    HRGN ShapeRegion(const controls::BalloonShape& shape);
    // The system's GUI font, or a copy of it at a DPI other than the system's.
    void PickFont();

    struct Tool {
        std::string text;
        HICON icon = nullptr;
    };

    void Hide();
    bool CreatePopup();

    HWND parent = nullptr;
    POINT anchor{0, 0};
    std::string text;
    UINT_PTR timerId = 0;
    HICON icon = nullptr;
    int iconWidth = 0;
    int iconHeight = 0;
    HFONT font = nullptr;
    fw::Font scaledFont;
    int dpi = 0;
    std::map<HWND, Tool> tools;
};
