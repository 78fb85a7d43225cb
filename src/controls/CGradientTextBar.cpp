#include "controls/CGradientTextBar.h"

#include "controls/COffscreenDC.h"
#include "framework/Handles.h"

#include <commctrl.h>

namespace {

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    fw::BkColorGuard background(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

} // namespace

CGradientTextBar::CGradientTextBar()
    : bkColor(GetSysColor(COLOR_BTNFACE)), textColorOnBar(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      textColorOnBk(GetSysColor(COLOR_BTNTEXT)) {
    BOOL gradientCaptions = FALSE;
    const bool gradient =
        SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &gradientCaptions, 0) && gradientCaptions;
    gradientColors = {GetSysColor(COLOR_ACTIVECAPTION),
                      GetSysColor(gradient ? COLOR_GRADIENTACTIVECAPTION : COLOR_ACTIVECAPTION)};
}

const fw::MessageMap& CGradientTextBar::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&CGradientTextBar::OnEraseBkgnd>(WM_ERASEBKGND),
        fw::OnMessage<&CGradientTextBar::OnPaint>(WM_PAINT),
        fw::OnMessage<&CGradientTextBar::OnPrintClient>(WM_PRINTCLIENT),
    };
    static const fw::MessageMap map(entries, &fw::Window::Messages());
    return map;
}

void CGradientTextBar::SetGradientColors(COLORREF first, COLORREF second) {
    gradientColors = {first, second};
}

void CGradientTextBar::SetTextFormat(const char* format, DWORD flags) {
    if (format != nullptr && *format != '\0' && flags != 0) {
        ModifyStyle(TGB_TEXT_MODE, flags);
        SetText(format);
    } else {
        ModifyStyle(TGB_TEXT_MODE, 0);
        SetText("");
    }
}

LRESULT CGradientTextBar::OnEraseBkgnd(WPARAM, LPARAM) {
    return 1;
}

LRESULT CGradientTextBar::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(GetHwnd(), &ps);
    Paint(dc);
    EndPaint(GetHwnd(), &ps);
    return 0;
}

LRESULT CGradientTextBar::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(reinterpret_cast<HDC>(wParam));
    return 0;
}

void CGradientTextBar::Paint(HDC target) {
    PaintRecord paint{};
    GetClientRect(GetHwnd(), &paint.rect);
    paint.style = static_cast<DWORD>(GetWindowLongA(GetHwnd(), GWL_STYLE));
    paint.position = static_cast<int>(Send(PBM_GETPOS));
    PBRANGE range{};
    Send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    paint.lower = range.iLow;
    paint.upper = range.iHigh;

    COffscreenDC offscreen(target, paint.rect);
    paint.dc = offscreen.Get();
    FillSolid(paint.dc, paint.rect, bkColor);

    const int length = paint.rect.right - paint.rect.left;
    const auto end = controls::FilledEnd(paint.position, paint.lower, paint.upper, length);
    if (!end) {
        return;
    }
    const controls::Span filled{0, *end};
    const controls::Span full{0, length};
    DrawGradient(paint, (paint.style & TGB_GRADIENT_ON_BAR) != 0 ? filled : full, filled);
    DrawBarText(paint, full, filled);
}

void CGradientTextBar::DrawGradient(const PaintRecord& paint, controls::Span extent,
                                    controls::Span clip) {
    for (const controls::Segment& segment :
         controls::GradientSegments(extent, clip, gradientColors.size())) {
        DrawGradientSegment(paint, segment.span, segment.clipped,
                            gradientColors[segment.firstColor],
                            gradientColors[segment.firstColor + 1]);
    }
}

void CGradientTextBar::DrawGradientSegment(const PaintRecord& paint, controls::Span segment,
                                           controls::Span clip, COLORREF startColor,
                                           COLORREF endColor) {
    const bool palette = (GetDeviceCaps(paint.dc, RASTERCAPS) & RC_PALETTE) != 0;
    const bool flat =
        !palette && GetDeviceCaps(paint.dc, BITSPIXEL) * GetDeviceCaps(paint.dc, PLANES) < 8;
    for (const controls::Band& band :
         controls::SegmentBands(segment, clip, startColor, endColor, flat)) {
        const RECT rect = SpanRect(paint, band.span);
        if (palette) {
            fw::Brush brush(CreateSolidBrush(band.color));
            FillRect(paint.dc, &rect, brush.Get());
        } else {
            FillSolid(paint.dc, rect, band.color);
        }
    }
}

void CGradientTextBar::DrawBarText(const PaintRecord& paint, controls::Span full,
                                   controls::Span filled) {
    const DWORD mode = paint.style & TGB_TEXT_MODE;
    if (mode == 0) {
        return;
    }
    std::string format = GetText();
    int value = paint.position;
    if (mode == TGB_TEXT_PERCENT) {
        if (format.empty()) {
            format = "%d%%";
        }
        value = controls::PercentOfRange(paint.position, paint.lower, paint.upper);
    }
    if (format.empty()) {
        return;
    }
    const auto text = controls::FormatBarText(format, value);
    if (!text) {
        return;
    }

    HDC dc = paint.dc;
    fw::SelectGuard font(dc, reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)));
    fw::TextColorGuard color(dc, textColorOnBar);
    fw::BkModeGuard transparent(dc, TRANSPARENT);
    fw::TextAlignGuard align(dc, TA_CENTER | TA_BOTTOM);
    POINT windowOrigin{};
    GetWindowOrgEx(dc, &windowOrigin);
    fw::ViewportOriginGuard viewport(dc);

    SIZE extent{};
    GetTextExtentPoint32A(dc, text->c_str(), static_cast<int>(text->size()), &extent);
    const RECT& r = paint.rect;
    SetViewportOrgEx(dc, r.left + (r.right - r.left) / 2,
                     r.top + ((r.bottom - r.top) + extent.cy) / 2, nullptr);

    for (const controls::TextPiece& piece :
         controls::TextPieces(full, filled, textColorOnBar == textColorOnBk)) {
        SetTextColor(dc, piece.onBar ? textColorOnBar : textColorOnBk);
        DrawClippedText(paint, piece.span, *text, windowOrigin);
    }
}

void CGradientTextBar::DrawClippedText(const PaintRecord& paint, controls::Span span,
                                       const std::string& text, POINT windowOrigin) {
    RECT rect = SpanRect(paint, span);
    OffsetRect(&rect, -windowOrigin.x, -windowOrigin.y);
    fw::Region region(CreateRectRgnIndirect(&rect));
    SelectClipRgn(paint.dc, region.Get());
    TextOutA(paint.dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    SelectClipRgn(paint.dc, nullptr);
}

RECT CGradientTextBar::SpanRect(const PaintRecord& paint, controls::Span span) const noexcept {
    return RECT{paint.rect.left + span.start, paint.rect.top, paint.rect.left + span.end,
                paint.rect.bottom};
}
