#pragma once
// The about box: the program's picture, what it is for, its version, and a
// button that opens the home page in the browser.
#include "base/ShellLauncher.h"
#include "controls/CBalloonTip.h"
#include "controls/CColorLabel.h"
#include "controls/CImageButton.h"
#include "controls/CWindowBackground.h"
#include "framework/Handles.h"
#include "tray/CTrayIconDialog.h"

#include <string>

class CAboutDialog : public CTrayIconDialog {
  public:
    static constexpr const char* HomePageAddress = "https://orbelune.example.org/";

    // The home-page button opens its address through `launcher`.
    explicit CAboutDialog(base::ShellLauncher& launcher) noexcept;
    ~CAboutDialog() override = default;

    static std::string AboutText();

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    bool PreTranslateMessage(MSG& message) override;

  protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    virtual BOOL PaintBackground(HDC dc);

    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    // The system's colours changed (high contrast switched on or off).
    LRESULT OnColorsChanged(WPARAM wParam, LPARAM lParam);
    void ApplyColorScheme();
    LRESULT OnCtlColor(WPARAM wParam, LPARAM lParam);
    void OnVisitHomePage();

    base::ShellLauncher& launcher;
    CWindowBackground background;
    HBRUSH controlColorBrush = nullptr;
    fw::Font aboutFont;
    CColorLabel aboutLabel;
    CImageButton homePageButton;
    CBalloonTip balloonTip;
};
