#include "controls/CAboutDialog.h"

#include "Version.h"
#include "resource.h"

CAboutDialog::CAboutDialog(base::ShellLauncher& launcher) noexcept
    : CTrayIconDialog(IDD_ABOUT, nullptr), launcher(launcher) {}

const fw::MessageMap& CAboutDialog::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&CAboutDialog::OnEraseBkgnd>(WM_ERASEBKGND),
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
    aboutFont.Reset(CreateFontA(12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Tahoma"));
    aboutLabel.SubclassDlgItem(IDC_ABOUT_TEXT, self);
    aboutLabel.SetLabelTextColor(AboutTextColor);
    aboutLabel.Send(WM_SETFONT, WPARAM(aboutFont.Get()), TRUE);
    aboutLabel.SetLabelBkColor(AboutBkColor);
    aboutLabel.SetText(AboutText());

    homePageButton.EnableTheme(true);
    homePageButton.SetIcon(IDI_HOMEPAGE, 0);

    balloonTip.Create(self);
    balloonTip.delay = 700;
    balloonTip.AddTool(homePageButton.GetHwnd(), "Visit my Homepage...", nullptr);
    return TRUE;
}

bool CAboutDialog::PreTranslateMessage(MSG& message) {
    balloonTip.RelayEvent(message);
    // No dialog-manager keys: Escape does not close the box, keys reach the focused button.
    return false;
}

BOOL CAboutDialog::PaintBackground(HDC dc) {
    backgroundPen.Reset(CreatePen(PS_SOLID, 1, AboutBkColor));
    fw::SelectGuard penGuard(dc, backgroundPen.Get());
    GetClientRect(GetHwnd(), &clientRect);
    for (LONG y = 0; y <= clientRect.bottom; ++y) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, clientRect.right, y);
    }
    return TRUE;
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
