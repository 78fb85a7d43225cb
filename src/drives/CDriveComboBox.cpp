#include "drives/CDriveComboBox.h"

#include "base/Dpi.h"
#include "framework/Dpi.h"

const fw::MessageMap& CDriveComboBox::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&CDriveComboBox::OnDrawItemReflect>(fw::ReflectBase + WM_DRAWITEM),
    };
    static const fw::MessageMap map(entries, &fw::Window::Messages());
    return map;
}

int CDriveComboBox::CurrentDpi() const {
    return dpi != 0 ? dpi : fw::WindowDpi(GetHwnd());
}

void CDriveComboBox::SetItemIcon(int index, int iconId) {
    ItemRecord& item = items[index];
    item.iconId = iconId;
    item.icon.Reset(fw::LoadScaledIcon(static_cast<unsigned>(iconId), 16, CurrentDpi()));
    Repaint();
}

void CDriveComboBox::SetDpi(int newDpi) {
    dpi = newDpi;
    for (auto& entry : items) {
        ItemRecord& item = entry.second;
        if (item.iconId != 0) {
            item.icon.Reset(fw::LoadScaledIcon(static_cast<unsigned>(item.iconId), 16, dpi));
        }
    }
    Repaint();
}

void CDriveComboBox::SetItemBold(int index, bool bold) {
    ItemRecord& item = items[index];
    if (item.bold != bold) {
        item.bold = bold;
        Repaint();
    }
}

bool CDriveComboBox::IsItemBold(int index) const {
    const auto it = items.find(index);
    return it != items.end() && it->second.bold;
}

void CDriveComboBox::ResetContent() {
    Send(CB_RESETCONTENT);
    items.clear();
}

int CDriveComboBox::GetCount() const noexcept {
    return static_cast<int>(Send(CB_GETCOUNT));
}

std::string CDriveComboBox::GetLBText(int index) const {
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length < 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void CDriveComboBox::Repaint() const noexcept {
    if (IsAttached()) {
        InvalidateRect(GetHwnd(), nullptr, TRUE);
    }
}

LRESULT CDriveComboBox::OnDrawItemReflect(WPARAM, LPARAM lParam) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
}

void CDriveComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    if (GetCount() == 0) {
        return;
    }
    HDC dc = item.hDC;
    const int id = static_cast<int>(item.itemID);
    const std::string text = GetLBText(id);
    const COLORREF oldText = GetTextColor(dc);
    const COLORREF oldBk = GetBkColor(dc);

    RECT rect = item.rcItem;
    if ((item.itemState & ODS_SELECTED) != 0) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    }
    fw::Brush fill(CreateSolidBrush(GetBkColor(dc)));
    FillRect(dc, &rect, fill.Get());
    const int currentDpi = CurrentDpi();
    InflateRect(&rect, -base::Scale(1, currentDpi), 0);

    const auto record = items.find(id);
    if (record != items.end() && record->second.icon) {
        DrawIconEx(dc, rect.left, rect.top, record->second.icon.Get(), 0, 0, 0, nullptr, DI_NORMAL);
    }
    rect.left += base::Scale(20, currentDpi);

    LOGFONTA logFont{};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof logFont, &logFont);
    logFont.lfWeight = FW_BOLD;
    fw::Font boldFont(CreateFontIndirectA(&logFont));
    const bool bold = record != items.end() && record->second.bold;
    {
        fw::SelectGuard font(dc, bold ? boldFont.Get() : nullptr);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                  DT_SINGLELINE | DT_VCENTER);
    }
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
}
