// The main window moved to a monitor of another DPI. The system sends
// WM_DPICHANGED only then; the test sends it as the system would.
#include "app/CMainDialog.h"
#include "base/Dpi.h"
#include "framework/Dpi.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

HFONT FontOf(HWND dialog, int id) {
    return reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, id, WM_GETFONT, 0, 0));
}

LONG HeightOf(HFONT font) {
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    return description.lfHeight;
}

int WidthOf(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

CImageButton& ButtonOf(HWND dialog, int id) {
    return dynamic_cast<CImageButton&>(*fw::Window::FromHandle(GetDlgItem(dialog, id)));
}

void CheckDpiChanges(HWND window) {
    for (int dpi : {192, 120, fw::WindowDpi(window)}) {
        const HFONT previous = FontOf(window, IDC_SERIAL);
        RECT suggested{30, 40, 30 + base::Scale(400, dpi), 40 + base::Scale(270, dpi)};
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));

        RECT now{};
        GetWindowRect(window, &now);
        EXPECT_TRUE(EqualRect(&now, &suggested)) << dpi;
        const struct {
            int id;
            LONG height;
        } labels[] = {{IDC_SERIAL, 12},
                      {IDC_TOTAL_FREE, 12},
                      {IDC_VOLUME_NAME, 16},
                      {IDC_SUMMARY_GROUP, 16},
                      {IDC_DRIVE_GROUP, 22}};
        for (const auto& label : labels) {
            EXPECT_EQ(HeightOf(FontOf(window, label.id)), base::Scale(label.height, dpi))
                << label.id << " at " << dpi;
        }
        EXPECT_EQ(GetObjectType(previous), 0u) << "the fonts of the previous DPI are deleted";
        EXPECT_EQ(WidthOf(ButtonOf(window, IDOK).GetIcon()), base::Scale(16, dpi));
        EXPECT_EQ(WidthOf(ButtonOf(window, IDC_TRANSPARENCY).GetIcon()), base::Scale(16, dpi));
        const LRESULT big = SendMessageA(window, WM_GETICON, ICON_BIG, 0);
        EXPECT_EQ(WidthOf(reinterpret_cast<HICON>(big)), base::Scale(32, dpi));
    }
}

} // namespace

TEST(MainDialogDpi, ADpiChangeRemakesFontsAndIconsAndTakesTheSuggestedRectangle) {
    CMainDialog dialog;
    dialog.afterInitDialog = [](CMainDialog& main) {
        CheckDpiChanges(main.GetHwnd());
        main.EndDialog(IDOK);
    };
    dialog.DoModal();
}
