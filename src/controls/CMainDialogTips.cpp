#include "app/CMainDialog.h"

void CMainDialog::RelayToTips(MSG& message) {
    balloonTip.RelayEvent(message);
}

void CMainDialog::SetUpButtonsAndTip() {
    exitButton.EnableTheme(true);
    exitButton.SetText("Exit");
    exitButton.SetIcon(IDI_EXIT, 1);
    transparencyButton.SetIcon(IDI_TRANSPARENCY, 0);
    transparencyButton.EnableTheme(true);

    balloonTip.Create(GetHwnd());
    balloonTip.delay = 700;
    balloonTip.AddTool(transparencyButton.GetHwnd(), "Make the window transparent...", nullptr);
}
