#include "controls/CBalloonTip.h"

#include "controls/BalloonShape.h"
#include "framework/Application.h"
#include "framework/CreationHook.h"
#include "framework/Dpi.h"
#include "framework/Handles.h"

namespace {

void RegisterBalloonClass() {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(fw::ResourceInstance(), CBalloonTip::ClassName, &windowClass))
        return;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = fw::ResourceInstance();
    windowClass.lpszClassName = CBalloonTip::ClassName;
    RegisterClassA(&windowClass);
}

bool SamePoint(const POINT& a, const POINT& b) {
    return a.x == b.x && a.y == b.y;
}

} // namespace

CBalloonTip::CBalloonTip() {
    RegisterBalloonClass();
}

CBalloonTip::~CBalloonTip() {
    if (IsAttached())
        DestroyWindow(GetHwnd());
}

const fw::MessageMap& CBalloonTip::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&CBalloonTip::OnPaint>(WM_PAINT),
        fw::OnMessage<&CBalloonTip::OnCreate>(WM_CREATE),
        fw::OnMessage<&CBalloonTip::OnTimer>(WM_TIMER),
        fw::OnMessage<&CBalloonTip::OnDestroy>(WM_DESTROY),
    };
    static const fw::MessageMap map(entries, &fw::Window::Messages());
    return map;
}

BOOL CBalloonTip::Create(HWND parentWindow) {
    // The popup itself is made when a tip is first due: most runs never show one.
    parent = parentWindow;
    PickFont();
    return TRUE;
}

bool CBalloonTip::CreatePopup() {
    if (IsAttached())
        return true;
    fw::HookNextWindowCreate(*this, ClassName);
    HWND created = CreateWindowExA(0, ClassName, nullptr, WS_POPUP, 0, 0, 0, 0, parent, nullptr,
                                   fw::ResourceInstance(), nullptr);
    fw::UnhookWindowCreate();
    PickFont();
    return created != nullptr && IsAttached();
}

int CBalloonTip::CurrentDpi() const {
    return dpi != 0 ? dpi : fw::WindowDpi(GetHwnd());
}

void CBalloonTip::SetDpi(int newDpi) {
    dpi = newDpi;
    PickFont();
}

void CBalloonTip::PickFont() {
    const HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const int currentDpi = CurrentDpi();
    HFONT scaled = nullptr;
    if (currentDpi != fw::SystemDpi()) {
        LOGFONTA description{};
        GetObjectA(guiFont, sizeof description, &description);
        description = fw::FontAtDpi(description, currentDpi);
        scaled = CreateFontIndirectA(&description);
    }
    font = scaled != nullptr ? scaled : guiFont;
    scaledFont.Reset(scaled);
}

void CBalloonTip::AddTool(HWND tool, const char* toolText, HICON toolIcon) {
    tools[tool] = Tool{toolText != nullptr ? toolText : "", toolIcon};
}

void CBalloonTip::RemoveTool(HWND tool) {
    tools.erase(tool);
}

void CBalloonTip::Hide() {
    if (IsAttached())
        ShowWindow(GetHwnd(), SW_HIDE);
}

void CBalloonTip::RelayEvent(const MSG& message) {
    switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Hide();
        return;
    case WM_MOUSEMOVE:
        break;
    default:
        return;
    }
    POINT pointer{};
    GetCursorPos(&pointer);
    if (SamePoint(pointer, anchor))
        return;
    const auto tool = tools.find(WindowFromPoint(pointer));
    if (tool != tools.end()) {
        anchor = pointer;
        SetTipIcon(tool->second.icon);
        ShowAt(tool->second.text, &anchor);
    }
    if (!SamePoint(pointer, anchor))
        Hide();
}

void CBalloonTip::SetTipIcon(HICON newIcon) {
    icon = newIcon;
    if (icon == nullptr) {
        iconWidth = 0;
        iconHeight = 0;
        return;
    }
    const fw::IconInfo info(icon);
    if (info) {
        const controls::PixelSize size =
            controls::BalloonIconSize(info.Get().xHotspot, info.Get().yHotspot);
        iconWidth = size.width;
        iconHeight = size.height;
    }
    if (IsAttached())
        RedrawWindow(GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CBalloonTip::ShowAt(const std::string& newText, const POINT* at) {
    if (at != nullptr)
        anchor = *at;
    else
        GetCursorPos(&anchor);
    text = newText;
    if (CreatePopup())
        timerId = SetTimer(GetHwnd(), ShowTimerId, delay, nullptr);
}

controls::BalloonShape CBalloonTip::MeasureShape(HDC dc) {
    RECT measured{0, 0, 0, 0};
    {
        fw::SelectGuard fontGuard(dc, font);
        DrawTextA(dc, text.c_str(), -1, &measured, DT_CALCRECT);
    }
    return controls::ComputeBalloonShape(
        controls::PixelSize{measured.right - measured.left, measured.bottom - measured.top},
        icon != nullptr, controls::PixelSize{iconWidth, iconHeight}, CurrentDpi());
}

HRGN CBalloonTip::ShapeRegion(const controls::BalloonShape& shape) {
    const controls::BalloonMetrics metrics = controls::BalloonMetricsAt(CurrentDpi());
    fw::Region body(CreateRoundRectRgn(shape.body.left, shape.body.top, shape.body.right,
                                       shape.body.bottom, metrics.cornerWidth,
                                       metrics.cornerHeight));
    POINT stem[3];
    for (int i = 0; i < 3; ++i)
        stem[i] = POINT{shape.stem[i].x, shape.stem[i].y};
    fw::Region stemRegion(CreatePolygonRgn(stem, 3, ALTERNATE));
    HRGN whole = CreateRectRgn(0, 0, shape.window.width, shape.window.height);
    CombineRgn(whole, body.Get(), stemRegion.Get(), RGN_OR);
    return whole;
}

void CBalloonTip::ComputeShape(HDC dc, HRGN* region, SIZE* size) {
    const controls::BalloonShape shape = MeasureShape(dc);
    *region = ShapeRegion(shape);
    if (size != nullptr)
        *size = SIZE{shape.window.width, shape.window.height};
}

LRESULT CBalloonTip::OnCreate(WPARAM, LPARAM) {
    return Default() == -1 ? -1 : 0;
}

LRESULT CBalloonTip::OnTimer(WPARAM wParam, LPARAM) {
    HWND self = GetHwnd();
    if (wParam == ShowTimerId) {
        KillTimer(self, timerId);
        controls::BalloonShape shape;
        {
            const fw::WindowDc dc = fw::WindowDc::Client(self);
            shape = MeasureShape(dc.Get());
        }
        SetWindowRgn(self, ShapeRegion(shape), TRUE); // the window owns the region now
        const controls::PixelPoint origin =
            controls::BalloonOrigin(shape, controls::PixelPoint{anchor.x, anchor.y});
        SetWindowPos(self, HWND_TOP, origin.x, origin.y, shape.window.width, shape.window.height,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
        timerId = SetTimer(self, PollTimerId, PollInterval, nullptr);
    } else if (wParam == PollTimerId) {
        POINT pointer{};
        GetCursorPos(&pointer);
        if (!SamePoint(pointer, anchor)) {
            KillTimer(self, timerId);
            ShowWindow(self, SW_HIDE);
        }
    }
    return Default();
}

LRESULT CBalloonTip::OnPaint(WPARAM, LPARAM) {
    HWND self = GetHwnd();
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(self, &paint);
    fw::Brush frameBrush(CreateSolidBrush(GetSysColor(COLOR_SCROLLBAR)));
    fw::Brush textBrush(CreateSolidBrush(GetSysColor(COLOR_WINDOWTEXT)));
    fw::Brush fillBrush(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
    HRGN shape = nullptr;
    ComputeShape(dc, &shape, nullptr);
    fw::Region region(shape);
    const int currentDpi = CurrentDpi();
    const controls::BalloonMetrics metrics = controls::BalloonMetricsAt(currentDpi);
    FillRgn(dc, region.Get(), fillBrush.Get());
    FrameRgn(dc, region.Get(), frameBrush.Get(), metrics.frameWidth, metrics.frameWidth);
    FrameRgn(dc, region.Get(), textBrush.Get(), metrics.outlineWidth, metrics.outlineWidth);

    RECT client{};
    GetClientRect(self, &client);
    const controls::PixelRect textRect = controls::BalloonTextRect(
        controls::PixelRect{client.left, client.top, client.right, client.bottom}, icon != nullptr,
        controls::PixelSize{iconWidth, iconHeight}, currentDpi);
    RECT rect{textRect.left, textRect.top, textRect.right, textRect.bottom};
    {
        fw::SelectGuard fontGuard(dc, font);
        fw::BkModeGuard modeGuard(dc, TRANSPARENT);
        DrawTextA(dc, text.c_str(), -1, &rect, 0);
    }
    if (icon != nullptr) {
        DrawIconEx(dc, metrics.marginX, metrics.marginY, icon, iconWidth, iconHeight, 0, nullptr,
                   DI_NORMAL);
    }
    EndPaint(self, &paint);
    return 0;
}

LRESULT CBalloonTip::OnDestroy(WPARAM, LPARAM) {
    KillTimer(GetHwnd(), timerId);
    return Default();
}
