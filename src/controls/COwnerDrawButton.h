#pragma once
// Turns the button it is bound to into an owner-drawn button while keeping the
// push-button and default-button behaviour that the dialog manager expects.
#include "framework/Window.h"

class COwnerDrawButton : public fw::Window {
  public:
    ~COwnerDrawButton() override = default;

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    bool IsDefault() const noexcept { return isDefault != FALSE; }
    UINT ButtonType() const noexcept { return buttonType; }

  protected:
    void PreSubclassWindow() override;
    // The processing a handler falls back to; derived buttons put theirs in front.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);

    BOOL isPushButton = FALSE;
    BOOL isDefault = FALSE;
    UINT buttonType = BS_TYPEMASK;
};
