// The drive view on the main window's template, over a machine described by the
// test, and the features that work through it.
#include "drives/CDriveView.h"
#include "drives/CWin32VolumeSystem.h"
#include "export/CDriveFactsClipboard.h"
#include "framework/Dialog.h"
#include "resource.h"

#include "../unit/FakeVolumeSystem.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

using testing_support::FakeVolumeSystem;
using testing_support::GiB;

namespace {

// The main window's template with the drive view alone: `body` runs once the
// view shows the first drive.
class ViewHost : public fw::Dialog {
  public:
    explicit ViewHost(drives::VolumeSystem& system)
        : fw::Dialog(IDD_MAIN), inventory(system), view(inventory) {}

    std::function<void(ViewHost&)> body;
    drives::DriveInventory inventory;
    drives::CDriveView view;

  protected:
    void DoDataExchange() override { view.Bind(GetHwnd()); }
    BOOL OnInitDialog() override {
        inventory.FindSystemDriveRoot();
        view.SetUp();
        view.ShowSelectedDrive();
        if (body) {
            body(*this);
        }
        EndDialog(IDOK);
        return TRUE;
    }
};

std::string TextOf(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

template <typename Control> Control& ControlOf(HWND dialog, int id) {
    return dynamic_cast<Control&>(*fw::Window::FromHandle(GetDlgItem(dialog, id)));
}

COLORREF TextColorOf(HWND dialog, int id) {
    return ControlOf<CColorLabel>(dialog, id).LabelTextColor();
}

LOGFONTA FontOf(HWND dialog, int id) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, id, WM_GETFONT, 0, 0)),
               sizeof font, &font);
    return font;
}

int BarOf(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, PBM_GETPOS, 0, 0));
}

// Counts the texts and bar positions written to the controls of this thread.
std::map<UINT, int>* writes = nullptr;
LRESULT CALLBACK CountWrites(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && writes != nullptr) {
        ++(*writes)[message->message];
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string ClipboardText() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

} // namespace

TEST(DriveView, SetUpStylesTheControlsAndShowsTheFirstDriveFromOneSnapshot) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 100 * GiB, 9 * GiB, "SYSTEM", 0x1A2B3C4D);
    system.Fixed("E:\\", 100 * GiB, 60 * GiB, "DATA");
    ViewHost host(system);
    host.body = [&](ViewHost& h) {
        HWND window = h.GetHwnd();
        EXPECT_EQ(system.logicalDrivesCalls, 1) << "the list and the first view share a snapshot";
        EXPECT_EQ(TextOf(window, IDC_DRIVE_GROUP), "Logical Drive C:\\");
        EXPECT_EQ(TextOf(window, IDC_VOLUME_NAME), "Volume Name: SYSTEM");
        EXPECT_EQ(TextOf(window, IDC_FREE), "Free: 9.00 GB ");
        EXPECT_EQ(TextOf(window, IDC_SERIAL), "Serial Number: 1A2B-3C4D");
        EXPECT_EQ(TextOf(window, IDC_SUMMARY_GROUP), "Summary");
        EXPECT_EQ(TextOf(window, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 2");
        EXPECT_EQ(TextOf(window, IDC_TOTAL_CAPACITY), ". Storage Capacity: 200 GB");
        EXPECT_EQ(TextOf(window, IDC_TOTAL_FREE), ". Free: 69 GB");
        EXPECT_EQ(TextOf(window, IDC_SYSTEM_DRIVE), "System drive: yes");
        EXPECT_EQ(BarOf(window, IDC_FREE_BAR), 9);
        EXPECT_EQ(BarOf(window, IDC_USED_BAR), 92);
        EXPECT_EQ(BarOf(window, IDC_TOTAL_USED_BAR), 65);
        EXPECT_EQ(BarOf(window, IDC_TOTAL_FREE_BAR), 35);

        EXPECT_EQ(TextColorOf(window, IDC_FREE), base::colors::Red);
        EXPECT_EQ(TextColorOf(window, IDC_TOTAL_FREE), base::colors::MediumBlue);
        EXPECT_EQ(TextColorOf(window, IDC_SYSTEM_DRIVE), base::colors::MediumBlue);
        EXPECT_EQ(TextColorOf(window, IDC_VOLUME_NAME), base::colors::BrickRed);
        EXPECT_EQ(TextColorOf(window, IDC_DRIVE_GROUP), base::colors::DarkBlue);
        EXPECT_EQ(ControlOf<CColorLabel>(window, IDC_SERIAL).LabelBkColor(),
                  GetSysColor(COLOR_WINDOW));

        const struct {
            int id;
            const char* face;
            LONG height;
        } fonts[] = {{IDC_DRIVE_GROUP, "Comic Sans MS", 22}, {IDC_VOLUME_NAME, "Tahoma", 16},
                     {IDC_SUMMARY_GROUP, "Tahoma", 16},       {IDC_SERIAL, "Tahoma", 12},
                     {IDC_TOTAL_USED, "Tahoma", 12}};
        for (const auto& f : fonts) {
            const LOGFONTA font = FontOf(window, f.id);
            EXPECT_STREQ(font.lfFaceName, f.face) << f.id;
            EXPECT_EQ(font.lfHeight, f.height) << f.id;
            EXPECT_EQ(font.lfWeight, FW_BOLD) << f.id;
        }

        auto& bar = ControlOf<CGradientTextBar>(window, IDC_FREE_BAR);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(bar.GetHwnd(), GWL_STYLE));
        EXPECT_EQ(style & (TGB_TEXT_MODE | TGB_GRADIENT_ON_BAR),
                  TGB_TEXT_PERCENT | TGB_GRADIENT_ON_BAR);
        EXPECT_EQ(bar.Send(PBM_GETRANGE, FALSE), 100);
        EXPECT_EQ(bar.gradientColors,
                  (std::vector<COLORREF>{base::colors::BarStart, base::colors::BarEnd}));
        EXPECT_NE(SendDlgItemMessageA(window, IDC_SUMMARY_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0),
                  0);

        auto& combo = ControlOf<CDriveComboBox>(window, IDC_DRIVE_COMBO);
        ASSERT_EQ(combo.GetCount(), 2);
        EXPECT_EQ(combo.GetLBText(1), "E:\\");
        EXPECT_TRUE(combo.IsItemBold(0));
        EXPECT_FALSE(combo.IsItemBold(1));
    };
    host.DoModal();
}

TEST(DriveView, ARefreshWritesOnlyWhatChangedAndFollowsTheSelection) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 100 * GiB, 50 * GiB, "SYSTEM");
    system.Fixed("E:\\", 100 * GiB, 60 * GiB, "DATA");
    ViewHost host(system);
    host.body = [&](ViewHost& h) {
        HWND window = h.GetHwnd();
        std::map<UINT, int> seen;
        writes = &seen;
        const fw::Hook hook(SetWindowsHookExA(WH_CALLWNDPROC, CountWrites, nullptr,
                                              GetCurrentThreadId()));
        h.view.ShowSelectedDrive();
        EXPECT_EQ(seen[WM_SETTEXT], 0);
        EXPECT_EQ(seen[PBM_SETPOS], 0);

        system["E:\\"].space.totalFreeBytes = 5 * GiB; // only the totals change
        h.view.ShowSelectedDrive();
        EXPECT_EQ(seen[WM_SETTEXT], 2); // used and free totals
        EXPECT_EQ(seen[PBM_SETPOS], 2);
        EXPECT_EQ(TextOf(window, IDC_TOTAL_FREE), ". Free: 55 GB");
        writes = nullptr;

        auto& combo = ControlOf<CDriveComboBox>(window, IDC_DRIVE_COMBO);
        combo.Send(CB_SETCURSEL, 1);
        h.view.ShowSelectedDrive();
        EXPECT_FALSE(combo.IsItemBold(0));
        EXPECT_TRUE(combo.IsItemBold(1));
        EXPECT_EQ(TextOf(window, IDC_DRIVE_GROUP), "Logical Drive E:\\");
        EXPECT_EQ(TextOf(window, IDC_SYSTEM_DRIVE), "System drive: no");
        EXPECT_EQ(TextColorOf(window, IDC_SYSTEM_DRIVE), GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_EQ(TextColorOf(window, IDC_FREE), base::colors::Red); // 5 % free
    };
    host.DoModal();
}

// The copy asks the drive afresh, so the free-space label follows a drive that
// crossed 10 % since the last refresh.
TEST(DriveView, CopyToClipboardQueriesAfreshAndRecoloursTheFreeLabel) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 100 * GiB, 50 * GiB, "SYSTEM");
    ViewHost host(system);
    host.body = [&](ViewHost& h) {
        EXPECT_EQ(TextColorOf(h.GetHwnd(), IDC_FREE), base::colors::MediumBlue);
        system["C:\\"].space.totalFreeBytes = 5 * GiB;
        CDriveFactsClipboard(h, h.view).Copy();
        EXPECT_EQ(TextColorOf(h.GetHwnd(), IDC_FREE), base::colors::Red);
    };
    host.DoModal();
    const std::string text = ClipboardText();
    EXPECT_EQ(text.rfind("C:\\\r\nVolume Name: SYSTEM\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("Free: 5.00 GB \r\n"), std::string::npos) << text;
}

TEST(DriveView, RebuildingTheListKeepsTheSelectedRootWhileItIsListed) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 100 * GiB, 50 * GiB, "SYSTEM");
    system.Fixed("F:\\", 100 * GiB, 50 * GiB, "DATA");
    ViewHost host(system);
    host.body = [&](ViewHost& h) {
        auto& combo = ControlOf<CDriveComboBox>(h.GetHwnd(), IDC_DRIVE_COMBO);
        combo.Send(CB_SETCURSEL, 1);
        system.Fixed("E:\\", 10 * GiB, GiB, "USB");
        h.view.RebuildList();
        h.view.ShowSelectedDrive();
        EXPECT_EQ(h.view.FixedDriveList(), (std::vector<std::string>{"C:\\", "E:\\", "F:\\"}));
        EXPECT_EQ(h.view.SelectedDriveRoot(), "F:\\");
        EXPECT_TRUE(combo.IsItemBold(2));
        EXPECT_EQ(TextOf(h.GetHwnd(), IDC_DRIVE_COUNT), ". Number Of Logical Drives: 3");

        system.Add("F:\\", drives::DriveType::NoRootDir, 0, 0);
        h.view.RebuildList();
        h.view.ShowSelectedDrive();
        EXPECT_EQ(h.view.SelectedDriveRoot(), "C:\\");
        EXPECT_EQ(TextOf(h.GetHwnd(), IDC_VOLUME_NAME), "Volume Name: SYSTEM");

        system.Add("C:\\", drives::DriveType::Remote, 0, 0);
        system.Add("E:\\", drives::DriveType::Remote, 0, 0);
        h.view.RebuildList();
        h.view.ShowSelectedDrive();
        EXPECT_EQ(combo.GetCount(), 0);
        EXPECT_EQ(TextOf(h.GetHwnd(), IDC_DRIVE_COUNT), ". Number Of Logical Drives: 0");
        EXPECT_EQ(TextOf(h.GetHwnd(), IDC_VOLUME_NAME), "");
    };
    host.DoModal();
}

TEST(DriveView, WithoutFixedDrivesTheListIsEmptyAndTheCountZero) {
    FakeVolumeSystem system;
    system.Add("C:\\", drives::DriveType::Remote, 10 * GiB, GiB);
    ViewHost host(system);
    host.body = [](ViewHost& h) {
        EXPECT_EQ(ControlOf<CDriveComboBox>(h.GetHwnd(), IDC_DRIVE_COMBO).GetCount(), 0);
        EXPECT_EQ(TextOf(h.GetHwnd(), IDC_DRIVE_COUNT), ". Number Of Logical Drives: 0");
        EXPECT_EQ(TextOf(h.GetHwnd(), IDC_TOTAL_CAPACITY), ". Storage Capacity: 0 GB");
    };
    host.DoModal();
}

// The test prefix has C: (fixed), D: (CD drive), E: (fixed, label DATA,
// serial 1A2B3C4D) and F: (network).
TEST(RealInventory, ListsExactlyTheFixedDrivesWithTheirLabelsAndSerials) {
    CWin32VolumeSystem system;
    drives::DriveInventory inventory(system);
    EXPECT_EQ(inventory.TakeSnapshot().Roots(), (std::vector<std::string>{"C:\\", "E:\\"}));
    const drives::VolumeFacts facts = inventory.Query("E:\\");
    EXPECT_EQ(facts.volumeNameText, "Volume Name: DATA");
    EXPECT_EQ(facts.serialNumberText, "Serial Number: 1A2B-3C4D");
    EXPECT_GT(facts.totalBytes, 0u);
    EXPECT_EQ(inventory.FindSystemDriveRoot(), "C:\\");
    EXPECT_TRUE(inventory.IsSystemDrive("C:\\"));
    EXPECT_FALSE(inventory.IsSystemDrive("E:\\"));
}
