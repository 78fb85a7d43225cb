#pragma once
// A dialog created from a template and run modally by the program's own loop.
#include "framework/Window.h"

namespace fw {

class Dialog : public Window {
  public:
    // `parent` null: the application's main window owns the dialog (unless
    // this dialog is the main window itself).
    explicit Dialog(UINT templateId, HWND parent = nullptr) noexcept;

    // Creates the dialog, disables its owner and runs the modal loop until
    // EndDialog or a quit message (posted again for the outer loop, result -1).
    INT_PTR DoModal();
    void EndDialog(INT_PTR result) noexcept;

    // Sees every message for the dialog and its children before it is
    // dispatched; true means the message was used up. The default applies the
    // dialog manager's keyboard handling (Tab, Enter, Escape).
    virtual bool PreTranslateMessage(MSG& message);

    HWND GetDlgItem(int id) const noexcept { return ::GetDlgItem(GetHwnd(), id); }

    static const MessageMap& Messages();
    const MessageMap& GetMessageMap() const override { return Messages(); }

  protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // Binds the control objects to their dialog items with Bind().
    virtual void DoDataExchange() {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    bool Bind(int id, Window& control) noexcept { return control.SubclassDlgItem(id, GetHwnd()); }

    // Tab and Shift+Tab (WM_KEYDOWN of VK_TAB) move the focus to the next or
    // previous tab stop, shown as the dialog manager shows a focus that the
    // keyboard moved; true when the key was used. A control that wants Tab
    // for itself keeps it.
    bool MoveFocusOnTab(const MSG& message) noexcept;

  private:
    LRESULT OnInitDialogMessage(WPARAM wParam, LPARAM lParam);
    void OnOkCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }
    static INT_PTR CALLBACK MinimalDialogProc(HWND, UINT message, WPARAM, LPARAM) noexcept;

    UINT templateId;
    HWND parent;
    INT_PTR result = -1;
    bool ended = false;
};

} // namespace fw
