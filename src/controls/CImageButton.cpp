#include "controls/CImageButton.h"

#include "base/Dpi.h"
#include "controls/ButtonLayout.h"
#include "controls/CColorScheme.h"
#include "controls/COffscreenDC.h"
#include "framework/Dpi.h"
#include "framework/Handles.h"

#include <windowsx.h>

namespace {

controls::PixelRect ToPixels(const RECT& rect) {
    return controls::PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}

RECT ToRect(const controls::PixelRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

controls::PixelSize IconSize(HICON icon, int dpi) {
    const fw::IconInfo info(icon);
    if (!info || info.Get().hbmColor == nullptr)
        return controls::PixelSize{base::Scale(32, dpi), base::Scale(32, dpi)};
    const SIZE size = info.Size();
    return controls::PixelSize{size.cx, size.cy};
}

} // namespace

const fw::MessageMap& CImageButton::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&CImageButton::OnMouseMove>(WM_MOUSEMOVE),
        fw::OnMessage<&CImageButton::OnEraseBkgnd>(WM_ERASEBKGND),
        fw::OnMessage<&CImageButton::OnDrawItemReflect>(fw::ReflectBase + WM_DRAWITEM),
        fw::OnMessage<&CImageButton::OnGetDlgCode>(WM_GETDLGCODE),
        fw::OnMessage<&CImageButton::OnDoubleClick>(WM_LBUTTONDBLCLK),
        fw::OnMessage<&CImageButton::OnButtonUp>(WM_LBUTTONUP),
        fw::OnMessage<&CImageButton::OnCaptureChanged>(WM_CAPTURECHANGED),
        fw::OnMessage<&CImageButton::OnKillFocus>(WM_KILLFOCUS),
        fw::OnMessage<&CImageButton::OnChar>(WM_CHAR),
        fw::OnMessage<&CImageButton::OnThemeChanged>(WM_THEMECHANGED),
    };
    static const fw::MessageMap map(entries, &COwnerDrawButton::Messages());
    return map;
}

int CImageButton::CurrentDpi() const {
    return dpi != 0 ? dpi : fw::WindowDpi(GetHwnd());
}

void CImageButton::SetIcon(int id, int placement) {
    SetIconHandle(fw::LoadScaledIcon(static_cast<unsigned>(id), 16, CurrentDpi()), placement);
    iconId = id;
}

void CImageButton::SetIconHandle(HICON newIcon, int placement) {
    icon.Reset(newIcon);
    iconPlacement = placement;
    iconId = 0;
    Redraw();
}

void CImageButton::SetDpi(int newDpi) {
    dpi = newDpi;
    if (iconId != 0)
        SetIcon(iconId, iconPlacement);
    else
        Redraw();
}

void CImageButton::SetAccessibleName(const std::string& name) {
    captionDrawn = false;
    SetText(name);
}

void CImageButton::EnableTheme(bool enable) {
    themeEnabled = enable;
    Redraw();
}

bool CImageButton::IsThemed() const {
    return theme && themeEnabled && CThemeApi::IsAppThemed();
}

void CImageButton::Redraw() {
    // Nothing is painted while the window is hidden, as during its set-up.
    if (IsAttached())
        RedrawWindow(GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CImageButton::SendClick() {
    HWND self = GetHwnd();
    SendMessageA(GetParent(self), WM_COMMAND, WPARAM(GetDlgCtrlID(self)), LPARAM(self));
}

LRESULT CImageButton::OnGetDlgCode(WPARAM, LPARAM lParam) {
    const MSG* asked = reinterpret_cast<const MSG*>(lParam);
    if (asked != nullptr && asked->message == WM_KEYDOWN && asked->wParam == VK_TAB)
        return AdjustDialogCode(0);
    return AdjustDialogCode(DLGC_WANTALLKEYS);
}

LRESULT CImageButton::OnDoubleClick(WPARAM, LPARAM) {
    // The second press of a double-click counts as a click of its own.
    Send(BM_SETSTATE, TRUE);
    keyPressPending = true;
    SetCapture(GetHwnd());
    return 0;
}

LRESULT CImageButton::OnButtonUp(WPARAM, LPARAM) {
    if (keyPressPending) {
        Send(BM_SETSTATE, FALSE);
        keyPressPending = false;
        SendClick();
        if (!IsAttached())
            return 0;
    }
    return Default();
}

LRESULT CImageButton::OnCaptureChanged(WPARAM, LPARAM lParam) {
    // Taking the capture again while holding it (the pointer rests on the
    // button) names the button itself as the new owner: the press goes on.
    if (reinterpret_cast<HWND>(lParam) != GetHwnd())
        EndPress();
    return Default();
}

LRESULT CImageButton::OnKillFocus(WPARAM, LPARAM) {
    EndPress();
    return Default();
}

void CImageButton::EndPress() {
    // A release elsewhere ends the held look without a click.
    if (keyPressPending) {
        keyPressPending = false;
        Send(BM_SETSTATE, FALSE);
    }
}

LRESULT CImageButton::OnChar(WPARAM wParam, LPARAM lParam) {
    // Enter clicks once per key press (auto-repeat ignored); the platform's own
    // key-down and key-up handling clicks on Space.
    if (wParam == VK_RETURN) {
        if ((lParam & (1 << 30)) == 0)
            SendClick();
        return 0;
    }
    return Default();
}

LRESULT CImageButton::OnThemeChanged(WPARAM, LPARAM) {
    // Reopened at the next drawing, also when the theme was off until now.
    theme.Reset();
    themeDirty = true;
    InvalidateRect(GetHwnd(), nullptr, TRUE);
    return Default();
}

LRESULT CImageButton::OnMouseMove(WPARAM, LPARAM lParam) {
    HWND self = GetHwnd();
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(self, &point);
    RECT bounds{};
    GetWindowRect(self, &bounds);
    const bool wasHovered = hover;
    if (PtInRect(&bounds, point)) {
        hover = true;
        // Held so that the move that leaves the button is seen too.
        if (GetCapture() != self)
            SetCapture(self);
    } else {
        hover = false;
        ReleaseCapture();
    }
    if (hover != wasHovered)
        InvalidateRect(self, nullptr, TRUE);
    return Default();
}

LRESULT CImageButton::OnEraseBkgnd(WPARAM, LPARAM) {
    return TRUE;
}

LRESULT CImageButton::OnDrawItemReflect(WPARAM, LPARAM lParam) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
}

void CImageButton::DrawItem(const DRAWITEMSTRUCT& item) {
    HWND self = GetHwnd();
    if (themeDirty) {
        themeDirty = false;
        if (CThemeApi::IsLoaded())
            theme.Reset(CThemeApi::OpenThemeData(self, "Button"));
    }
    const RECT itemRect = item.rcItem;
    // Drawn off-screen on the target's background colour, then copied in one go.
    COffscreenDC offscreen(item.hDC, itemRect);
    HDC dc = offscreen.Get();
    fw::Brush background(CreateSolidBrush(GetBkColor(item.hDC)));
    FillRect(dc, &itemRect, background.Get());

    const HFONT parentFont =
        reinterpret_cast<HFONT>(SendMessageA(GetParent(self), WM_GETFONT, 0, 0));
    fw::SelectGuard fontGuard(dc, parentFont);
    fw::BkModeGuard modeGuard(dc, TRANSPARENT);

    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool showFocus = (item.itemState & ODS_NOFOCUSRECT) == 0;
    const bool themed = IsThemed();
    RECT frame = itemRect;
    DrawBackground(dc, frame, pressed, focused, themed);

    const std::string caption = captionDrawn ? GetText() : std::string();
    UINT textFlags = DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE;
    if (!icon)
        textFlags |= DT_CENTER;
    const int currentDpi = CurrentDpi();
    const controls::PixelSize iconSize =
        icon ? IconSize(icon.Get(), currentDpi) : controls::PixelSize{};
    const controls::ButtonLayout layout = controls::LayOutImageButton(
        ToPixels(itemRect), iconSize, static_cast<bool>(icon), !caption.empty(), iconPlacement,
        pressed && !themed, currentDpi);
    if (icon) {
        const RECT box = ToRect(layout.iconBox);
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, box.left, box.top,
                   box.right - box.left, box.bottom - box.top,
                   DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
    }
    if (!caption.empty())
        DrawCaption(dc, caption, ToRect(layout.textBox), textFlags, themed, disabled);

    if (focused && showFocus) {
        const RECT focus = ToRect(controls::FocusRect(ToPixels(frame), currentDpi));
        DrawFocusRect(dc, &focus);
    }
}

void CImageButton::DrawBackground(HDC dc, RECT& frame, bool pressed, bool focused, bool themed) {
    if (themed) {
        int state = ThemeStateNormal;
        if (pressed)
            state = ThemeStatePressed;
        else if (hover)
            state = ThemeStateHot;
        else if (focused)
            state = ThemeStateDefaulted;
        CThemeApi::DrawThemeBackground(theme.Get(), dc, ThemePartPushButton, state, &frame,
                                       nullptr);
        return;
    }
    if (focused) {
        fw::Brush black(CreateSolidBrush(controls::ColorOf(base::ColorUse::Frame)));
        FrameRect(dc, &frame, black.Get());
        InflateRect(&frame, -1, -1);
    }
    FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
    if (pressed)
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));
    else
        DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH);
}

void CImageButton::DrawCaption(HDC dc, const std::string& caption, RECT box, UINT flags,
                               bool themed, bool disabled) {
    if (icon) {
        RECT measured = box;
        DrawTextA(dc, caption.c_str(), -1, &measured, flags | DT_CALCRECT);
        box = ToRect(controls::CentreCaptionVertically(ToPixels(box), ToPixels(measured)));
    }
    if (themed) {
        CThemeApi::DrawThemeText(theme.Get(), dc, ThemePartPushButton, ThemeStateNormal,
                                 caption.c_str(), flags, 0, &box);
        return;
    }
    if (disabled) {
        RECT raised = box;
        OffsetRect(&raised, 1, 1);
        fw::TextColorGuard light(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextA(dc, caption.c_str(), -1, &raised, flags);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(dc, caption.c_str(), -1, &box, flags);
        return;
    }
    fw::TextColorGuard text(dc, GetSysColor(COLOR_BTNTEXT));
    fw::BkColorGuard face(dc, GetSysColor(COLOR_BTNFACE));
    DrawTextA(dc, caption.c_str(), -1, &box, flags);
}
