#pragma once
// A static text (or group box) whose text and background colours the program
// sets; it colours itself through the control-colour message its parent
// hands back to it.
#include "framework/Handles.h"
#include "framework/Window.h"

class CColorLabel : public fw::Window {
  public:
    // The value that stands for "the matching system colour".
    static constexpr COLORREF SystemColor = 0xFFFFFFFF;

    CColorLabel();

    void SetLabelTextColor(COLORREF color);
    void SetLabelBkColor(COLORREF color);

    COLORREF LabelTextColor() const noexcept { return labelTextColor; }
    COLORREF LabelBkColor() const noexcept { return labelBkColor; }

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

  private:
    LRESULT OnCtlColorReflect(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    void Repaint() const noexcept;

    COLORREF labelTextColor;
    COLORREF labelBkColor;
    fw::Brush labelBkBrush;
};
