#pragma once
// A progress bar that paints itself: a colour gradient over the filled part,
// a background colour over the rest, and the percentage centred on top in one
// colour over the bar and another over the background.
#include "controls/GradientGeometry.h"
#include "framework/Window.h"

#include <vector>

// Text mode field of the style: both bits clear means no text.
constexpr DWORD TGB_TEXT_MODE = 0x0300;
constexpr DWORD TGB_TEXT_PERCENT = 0x0100;
// Stretch the whole gradient over the filled part instead of the whole bar.
constexpr DWORD TGB_GRADIENT_ON_BAR = 0x2000;

class CGradientTextBar : public fw::Window {
  public:
    // What one paint draws on and with.
    struct PaintRecord {
        HDC dc;
        DWORD style;
        RECT rect;
        int position;
        int lower;
        int upper;
    };

    CGradientTextBar();

    void SetGradientColors(COLORREF first, COLORREF second);
    void SetTextFormat(const char* format, DWORD flags);

    std::vector<COLORREF> gradientColors;
    COLORREF bkColor;
    COLORREF textColorOnBar;
    COLORREF textColorOnBk;

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

  protected:
    virtual void DrawGradient(const PaintRecord& paint, controls::Span extent, controls::Span clip);
    virtual void DrawGradientSegment(const PaintRecord& paint, controls::Span segment,
                                     controls::Span clip, COLORREF startColor, COLORREF endColor);
    virtual void DrawBarText(const PaintRecord& paint, controls::Span full, controls::Span filled);
    virtual void DrawClippedText(const PaintRecord& paint, controls::Span span,
                                 const std::string& text, POINT windowOrigin);

  private:
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    void Paint(HDC target);
    RECT SpanRect(const PaintRecord& paint, controls::Span span) const noexcept;
};
