#include "controls/COwnerDrawButton.h"

const fw::MessageMap& COwnerDrawButton::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&COwnerDrawButton::OnGetDlgCode>(WM_GETDLGCODE),
        fw::OnMessage<&COwnerDrawButton::OnSetStyle>(BM_SETSTYLE),
    };
    static const fw::MessageMap map(entries, &fw::Window::Messages());
    return map;
}

void COwnerDrawButton::PreSubclassWindow() {
    buttonType = UINT(GetWindowLongPtrA(GetHwnd(), GWL_STYLE)) & BS_TYPEMASK;
    if (buttonType == BS_DEFPUSHBUTTON) {
        buttonType = BS_PUSHBUTTON;
        isDefault = true;
        isPushButton = true;
    } else if (buttonType == BS_PUSHBUTTON) {
        isPushButton = true;
    }
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED);
}

LRESULT COwnerDrawButton::OnGetDlgCode(WPARAM, LPARAM) {
    return AdjustDialogCode(Default());
}

LRESULT COwnerDrawButton::AdjustDialogCode(LRESULT code) const noexcept {
    if (buttonType == BS_RADIOBUTTON || buttonType == BS_AUTORADIOBUTTON)
        code |= DLGC_RADIOBUTTON;
    else if (buttonType == BS_GROUPBOX)
        code = DLGC_STATIC;
    if (isPushButton || isDefault)
        code |= isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
    return code;
}

LRESULT COwnerDrawButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    const UINT type = UINT(wParam) & BS_TYPEMASK;
    if (type == BS_DEFPUSHBUTTON)
        isDefault = true;
    else if (type == BS_PUSHBUTTON)
        isDefault = false;
    // The dialog manager's default-button changes must never make it a plain button again.
    const WPARAM ownerDrawn = (wParam & ~WPARAM(0x4)) | BS_OWNERDRAW;
    return Default(ownerDrawn, lParam);
}
