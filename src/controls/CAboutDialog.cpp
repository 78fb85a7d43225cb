#include "controls/CAboutDialog.h"

#include "Version.h"
#include "base/Dpi.h"
#include "controls/CColorScheme.h"
#include "framework/Dpi.h"
#include "resource.h"

#include <algorithm>

namespace {

// The template's height grows with the DPI a little less than the font does:
// a label whose text no longer fits is made as tall as its text, as far as
// the dialog's client area allows.
void GrowToText(HWND label, HFONT font, const std::string& text) {
    RECT bounds{};
    GetWindowRect(label, &bounds);
    MapWindowPoints(nullptr, GetParent(label), reinterpret_cast<POINT*>(&bounds), 2);
    RECT needed{0, 0, bounds.right - bounds.left, 0};
    {
        const fw::WindowDc dc = fw::WindowDc::Client(label);
        fw::SelectGuard select(dc.Get(), font);
        DrawTextA(dc.Get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    }
    RECT client{};
    GetClientRect(GetParent(label), &client);
    const LONG height = std::min(needed.bottom, client.bottom - bounds.top);
    if (height > bounds.bottom - bounds.top) {
        SetWindowPos(label, nullptr, 0, 0, bounds.right - bounds.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace

CAboutDialog::CAboutDialog(base::ShellLauncher& launcher) noexcept
    : CTrayIconDialog(IDD_ABOUT, nullptr), launcher(launcher) {}

const fw::MessageMap& CAboutDialog::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&CAboutDialog::OnEraseBkgnd>(WM_ERASEBKGND),
        fw::OnMessage<&CAboutDialog::OnColorsChanged>(WM_SYSCOLORCHANGE),
        fw::OnMessage<&CAboutDialog::OnColorsChanged>(WM_SETTINGCHANGE),
        fw::OnMessageRange<&CAboutDialog::OnCtlColor>(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC),
        fw::OnCommand<&CAboutDialog::OnVisitHomePage>(IDC_HOMEPAGE),
    };
    static const fw::MessageMap map(entries, &CTrayIconDialog::Messages());
    return map;
}

std::string CAboutDialog::AboutText() {
    return "Orbelune is a simple, light and free software to retrieve informations on logical "
           "drives and has also standard Windows options to manage them.\r\n"
           "\r\n"
           "\r\n"
           "Your drives at a glance.\r\n"
           "Version " ORBELUNE_VERSION "\r\n"
           "Thank you for using Orbelune.";
}

void CAboutDialog::DoDataExchange() {
    Bind(IDC_HOMEPAGE, homePageButton);
}

BOOL CAboutDialog::OnInitDialog() {
    HWND self = GetHwnd();
    SetText("About...");
    aboutFont.Reset(CreateFontA(base::Scale(12, fw::WindowDpi(self)), 0, 0, 0, FW_BOLD, FALSE,
                                FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH, "Tahoma"));
    aboutLabel.SubclassDlgItem(IDC_ABOUT_TEXT, self);
    aboutLabel.Send(WM_SETFONT, WPARAM(aboutFont.Get()), TRUE);
    ApplyColorScheme();
    aboutLabel.SetText(AboutText());
    GrowToText(aboutLabel.GetHwnd(), aboutFont.Get(), AboutText());

    homePageButton.EnableTheme(true);
    homePageButton.SetIcon(IDI_HOMEPAGE, 0);
    homePageButton.SetAccessibleName("Orbelune home page");

    balloonTip.Create(self);
    balloonTip.delay = 700;
    balloonTip.AddTool(homePageButton.GetHwnd(), "Visit my Homepage...", nullptr);
    return TRUE;
}

bool CAboutDialog::PreTranslateMessage(MSG& message) {
    balloonTip.RelayEvent(message);
    // Of the dialog manager's keys only Tab is taken: Escape does not close
    // the box, and the other keys reach the focused button.
    return MoveFocusOnTab(message);
}

BOOL CAboutDialog::PaintBackground(HDC dc) {
    return background.Paint(GetHwnd(), dc, controls::ColorOf(base::ColorUse::AboutBackground),
                            fw::WindowDpi(GetHwnd()));
}

void CAboutDialog::ApplyColorScheme() {
    aboutLabel.SetLabelTextColor(controls::ColorOf(base::ColorUse::AboutText));
    aboutLabel.SetLabelBkColor(controls::ColorOf(base::ColorUse::AboutBackground));
}

LRESULT CAboutDialog::OnColorsChanged(WPARAM, LPARAM) {
    ApplyColorScheme();
    RedrawWindow(GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return Default();
}

LRESULT CAboutDialog::OnEraseBkgnd(WPARAM wParam, LPARAM) {
    return PaintBackground(reinterpret_cast<HDC>(wParam));
}

LRESULT CAboutDialog::OnCtlColor(WPARAM, LPARAM) {
    // The about label colours itself; everything else keeps the default colours.
    controlColorBrush = reinterpret_cast<HBRUSH>(Default());
    return reinterpret_cast<LRESULT>(controlColorBrush);
}

void CAboutDialog::OnVisitHomePage() {
    launcher.Execute("open", HomePageAddress, base::ShowDefault);
}
