#include "controls/CColorLabel.h"

CColorLabel::CColorLabel()
    : labelTextColor(GetSysColor(COLOR_BTNTEXT)), labelBkColor(GetSysColor(COLOR_BTNFACE)),
      labelBkBrush(CreateSolidBrush(labelBkColor)) {}

const fw::MessageMap& CColorLabel::Messages() {
    static const fw::MessageEntry entries[] = {
        // Static texts ask with WM_CTLCOLORSTATIC, group boxes on some systems with WM_CTLCOLORBTN.
        fw::OnMessageRange<&CColorLabel::OnCtlColorReflect>(fw::ReflectBase + WM_CTLCOLORMSGBOX,
                                                            fw::ReflectBase + WM_CTLCOLORSTATIC),
        fw::OnMessage<&CColorLabel::OnDestroy>(WM_DESTROY),
    };
    static const fw::MessageMap map(entries, &fw::Window::Messages());
    return map;
}

void CColorLabel::SetLabelTextColor(COLORREF color) {
    labelTextColor = color == SystemColor ? GetSysColor(COLOR_BTNTEXT) : color;
    Repaint();
}

void CColorLabel::SetLabelBkColor(COLORREF color) {
    labelBkColor = color == SystemColor ? GetSysColor(COLOR_BTNFACE) : color;
    labelBkBrush.Reset(CreateSolidBrush(labelBkColor));
    Repaint();
}

void CColorLabel::Repaint() const noexcept {
    // Without a window, InvalidateRect(nullptr) would repaint every window.
    if (IsAttached()) {
        InvalidateRect(GetHwnd(), nullptr, TRUE);
    }
}

LRESULT CColorLabel::OnCtlColorReflect(WPARAM wParam, LPARAM) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, labelTextColor);
    SetBkColor(dc, labelBkColor);
    return reinterpret_cast<LRESULT>(labelBkBrush.Get());
}

LRESULT CColorLabel::OnDestroy(WPARAM, LPARAM) {
    const LRESULT result = Default();
    labelBkBrush.Reset();
    return result;
}
