#pragma once
// An owner-drawn push button with a small icon beside its caption, or an icon
// alone; drawn with the visual styles when they are active, in the classic
// three-dimensional look otherwise.
#include "controls/COwnerDrawButton.h"
#include "controls/CThemeApi.h"

class CImageButton : public COwnerDrawButton {
  public:
    CImageButton() = default;

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    // Placement 2 puts the icon right of the caption; any other value left of it
    // (or centred when there is no caption). The icon is loaded at 16 x 16
    // pixels scaled to the button's DPI.
    void SetIcon(int iconId, int placement);
    void SetIconHandle(HICON newIcon, int placement);
    // Draws for `dpi` from now on (the window's DPI until set), with the icon
    // of SetIcon loaded again at that DPI.
    void SetDpi(int dpi);
    void EnableTheme(bool enable);
    // The button's name for screen readers, as its window text, never drawn:
    // an icon-only button keeps its look.
    void SetAccessibleName(const std::string& name);
    bool IsThemed() const;

    HICON GetIcon() const noexcept { return icon.Get(); }

  protected:
    virtual void DrawItem(const DRAWITEMSTRUCT& item);

    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItemReflect(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnDoubleClick(WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam);

  private:
    int CurrentDpi() const;
    void Redraw();
    void SendClick();
    void EndPress();
    void DrawBackground(HDC dc, RECT& frame, bool pressed, bool focused, bool themed);
    void DrawCaption(HDC dc, const std::string& caption, RECT box, UINT flags, bool themed,
                     bool disabled);

    bool themeDirty = true;
    bool hover = false;
    CThemeApi::Theme theme;
    fw::Icon icon;
    int iconPlacement = 1;
    bool keyPressPending = false;
    bool themeEnabled = true;
    bool captionDrawn = true;
    int iconId = 0;
    int dpi = 0;
};
