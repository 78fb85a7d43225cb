#pragma once
// The about box: the program's picture, what it is for, its version, and a
// button that opens the home page in the browser.
#include "controls/CBalloonTip.h"
#include "controls/CImageButton.h"
#include "framework/Handles.h"
#include "tray/CTrayIconDialog.h"

#if __has_include("controls/CColorLabel.h")
#include "controls/CColorLabel.h"
#define ORBELUNE_HAS_COLOR_LABEL 1
#endif

#include <string>

class CAboutDialog : public CTrayIconDialog {
  public:
    static constexpr COLORREF AboutBkColor = RGB(250, 255, 250);
    static constexpr COLORREF AboutTextColor = RGB(0, 0, 0);
    static constexpr const char* HomePageAddress = "https://orbelune.example.org/";

    CAboutDialog() noexcept;
    ~CAboutDialog() override = default;

    static std::string AboutText();

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    bool PreTranslateMessage(MSG& message) override;

  protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    virtual BOOL PaintBackground(HDC dc);
    // Opens the address with the shell; seen by tests before the shell is asked.
    virtual void OpenHomePage(const char* address);

    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnCtlColor(WPARAM wParam, LPARAM lParam);
    void OnVisitHomePage();

    fw::Pen backgroundPen;
    RECT clientRect{};
    HBRUSH controlColorBrush = nullptr;
    fw::Font aboutFont;
#ifdef ORBELUNE_HAS_COLOR_LABEL
    CColorLabel aboutLabel;
#else
    fw::Brush aboutLabelBrush;
#endif
    CImageButton homePageButton;
    CBalloonTip balloonTip;
};
