#pragma once
// Turns the button it is bound to into an owner-drawn button while keeping the
// push-button and default-button behaviour that the dialog manager expects.
#include "framework/Window.h"

class COwnerDrawButton : public fw::Window {
  public:
    ~COwnerDrawButton() override = default;

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

  protected:
    void PreSubclassWindow() override;
    // The dialog code of a button of this one's type, from `code` as asked.
    LRESULT AdjustDialogCode(LRESULT code) const noexcept;

    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);

    bool isPushButton = false;
    bool isDefault = false;
    UINT buttonType = BS_TYPEMASK;
};
