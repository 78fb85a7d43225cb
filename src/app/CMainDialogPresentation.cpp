#include "app/CMainDialog.h"

#include "base/Color.h"
#include "framework/Application.h"

#include <commctrl.h>

namespace {

HFONT CreateBoldFont(const char* face, int height) {
    return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

} // namespace

void CMainDialog::DoDataExchange() {
    Bind(IDC_DRIVE_COMBO, driveCombo);
    Bind(IDC_FREE_BAR, freeBar);
    Bind(IDC_USED_BAR, usedBar);
    Bind(IDC_TOTAL_USED_BAR, totalUsedBar);
    Bind(IDC_TOTAL_FREE_BAR, totalFreeBar);
    Bind(IDC_SUMMARY_PICTURE, summaryPicture);
}

void CMainDialog::SetUpControls() {
    BuildFixedDriveList();
    for (std::size_t i = 0; i < inventory.FixedDriveList.size(); ++i) {
        driveCombo.Send(CB_INSERTSTRING, i,
                        reinterpret_cast<LPARAM>(inventory.FixedDriveList[i].c_str()));
        driveCombo.SetItemIcon(static_cast<int>(i), IDI_APP);
    }
    driveCombo.Send(CB_SETCURSEL, 0);

    labelFont.Reset(CreateBoldFont("Tahoma", 12));
    titleFont.Reset(CreateBoldFont("Tahoma", 16));
    groupFont.Reset(CreateBoldFont("Comic Sans MS", 22));

    for (CGradientTextBar* bar : {&freeBar, &usedBar, &totalFreeBar, &totalUsedBar}) {
        bar->bkColor = GetSysColor(COLOR_WINDOW);
        bar->SetTextFormat("%d%%", TGB_TEXT_PERCENT);
        bar->ModifyStyle(0, TGB_GRADIENT_ON_BAR, SWP_FRAMECHANGED);
        bar->SetGradientColors(base::colors::BarStart, base::colors::BarEnd);
        bar->Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    }

    constexpr COLORREF Unset = CColorLabel::SystemColor;
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
    const struct {
        CColorLabel& label;
        int id;
        COLORREF textColor;
        HFONT font;
    } labels[] = {
        {driveGroupLabel, IDC_DRIVE_GROUP, base::colors::DarkBlue, groupFont.Get()},
        {volumeNameLabel, IDC_VOLUME_NAME, base::colors::BrickRed, titleFont.Get()},
        {systemDriveLabel, IDC_SYSTEM_DRIVE, Unset, labelFont.Get()},
        {summaryGroupLabel, IDC_SUMMARY_GROUP, base::colors::DarkBlue, titleFont.Get()},
        {driveCountLabel, IDC_DRIVE_COUNT, windowText, labelFont.Get()},
        {totalCapacityLabel, IDC_TOTAL_CAPACITY, base::colors::BrickRed, labelFont.Get()},
        {totalFreeLabel, IDC_TOTAL_FREE, Unset, labelFont.Get()},
        {totalUsedLabel, IDC_TOTAL_USED, Unset, labelFont.Get()},
        {freeLabel, IDC_FREE, Unset, labelFont.Get()},
        {usedLabel, IDC_USED, windowText, labelFont.Get()},
        {capacityLabel, IDC_CAPACITY, windowText, labelFont.Get()},
        {maxNameLengthLabel, IDC_MAX_NAME_LENGTH, windowText, labelFont.Get()},
        {fileSystemLabel, IDC_FILE_SYSTEM, windowText, labelFont.Get()},
        {serialLabel, IDC_SERIAL, windowText, labelFont.Get()},
    };
    for (const auto& entry : labels) {
        entry.label.SubclassDlgItem(entry.id, GetHwnd());
        if (entry.textColor != Unset) {
            entry.label.SetLabelTextColor(entry.textColor);
        }
        entry.label.Send(WM_SETFONT, reinterpret_cast<WPARAM>(entry.font), TRUE);
        entry.label.SetLabelBkColor(GetSysColor(COLOR_WINDOW));
        if (entry.id == IDC_SUMMARY_GROUP) {
            entry.label.SetText("Summary");
        }
    }

    summaryBitmap.Reset(LoadBitmapA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDB_SUMMARY)));
    summaryPicture.Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(summaryBitmap.Get()));

    SetDlgItemTextA(GetHwnd(), IDOK, "Exit");
}

BOOL CMainDialog::PaintBackground(HDC dc) {
    // The previous call's pen is no longer selected anywhere, so it can go now.
    backgroundPen.Reset(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOW)));
    fw::SelectGuard pen(dc, backgroundPen.Get());
    GetClientRect(GetHwnd(), &clientRect);
    for (int y = 0; y <= clientRect.bottom; ++y) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, clientRect.right, y);
    }
    return TRUE;
}

LRESULT CMainDialog::OnCtlColor(WPARAM, LPARAM) {
    return Default();
}
