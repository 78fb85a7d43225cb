#include "controls/CMenuXP.h"

#include "base/Dpi.h"
#include "controls/CColorScheme.h"
#include "controls/MenuXPLayout.h"
#include "framework/Dpi.h"

#include <cstddef>

namespace controls {
namespace {

constexpr DWORD PSDPxax = 0x00B8074A; // the brush where the mask is black

RECT ToRect(const MenuRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}
MenuRect ToMenuRect(const RECT& r) {
    return MenuRect{r.left, r.top, r.right, r.bottom};
}

LOGFONTA MenuLogFont() {
    NONCLIENTMETRICSA metrics{};
    // The record without the field added in Vista, which every version accepts.
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        LOGFONTA font{};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        return font;
    }
    return metrics.lfMenuFont;
}

} // namespace

CMenuXP::CMenuXP()
    : backgroundColour(GetSysColor(COLOR_MENU)), selectionColour(GetSysColor(COLOR_HIGHLIGHT)),
      textColour(GetSysColor(COLOR_MENUTEXT)), selectedTextColour(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      disabledTextColour(GetSysColor(COLOR_GRAYTEXT)), iconAreaColour(backgroundColour),
      frameColor(ColorOf(base::ColorUse::Frame)), dpi(fw::SystemDpi()) {
    const LOGFONTA font = MenuLogFont();
    menuFont.Reset(CreateFontIndirectA(&font));
}

void CMenuXP::SetDpi(int newDpi) {
    dpi = newDpi;
    const LOGFONTA font = fw::FontAtDpi(MenuLogFont(), dpi);
    menuFont.Reset(CreateFontIndirectA(&font));
}

CMenuXP::~CMenuXP() {
    // Each submenu object destroys its own menu: taken out of this one first,
    // so that destroying this menu leaves it alone.
    for (const std::unique_ptr<CMenuXP>& submenu : submenus) {
        const HMENU handle = submenu->GetHandle();
        for (int position = GetMenuItemCount(GetHandle()) - 1; position >= 0; --position) {
            if (GetSubMenu(GetHandle(), position) == handle) {
                RemoveMenu(GetHandle(), static_cast<UINT>(position), MF_BYPOSITION);
            }
        }
    }
}

bool CMenuXP::Append(UINT flags, UINT_PTR idOrSubmenu, std::unique_ptr<CMenuXPItem> item) {
    if (GetHandle() == nullptr || item == nullptr) {
        return false;
    }
    if (!AppendMenuA(GetHandle(), flags | MF_OWNERDRAW, idOrSubmenu,
                     reinterpret_cast<LPCSTR>(item.get()))) {
        return false;
    }
    items.push_back(std::move(item));
    return true;
}

const CMenuXPItem* CMenuXP::RecordOf(ULONG_PTR itemData) const noexcept {
    for (const std::unique_ptr<CMenuXPItem>& item : items) {
        if (reinterpret_cast<ULONG_PTR>(item.get()) == itemData) {
            return item.get();
        }
    }
    return nullptr;
}

bool CMenuXP::AppendItem(UINT flags, std::unique_ptr<CMenuXPItem> item) {
    const UINT_PTR id = item != nullptr ? item->commandId : 0;
    return Append(flags, id, std::move(item));
}

bool CMenuXP::AppendSeparator() {
    return Append(MF_SEPARATOR, 0, std::make_unique<CMenuXPItem>());
}

bool CMenuXP::AppendPopup(UINT flags, std::unique_ptr<CMenuXP> submenu,
                          std::unique_ptr<CMenuXPItem> item) {
    if (submenu == nullptr || submenu->GetHandle() == nullptr) {
        return false;
    }
    if (!Append(flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu->GetHandle()),
                std::move(item))) {
        return false;
    }
    submenus.push_back(std::move(submenu));
    return true;
}

HFONT CMenuXP::CreateBoldMenuFont() const {
    LOGFONTA font{};
    GetObjectA(menuFont.Get(), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&font);
}

bool CMenuXP::MeasureItem(MEASUREITEMSTRUCT& request) {
    const CMenuXPItem* item = request.CtlType == ODT_MENU ? RecordOf(request.itemData) : nullptr;
    if (item == nullptr) {
        return false;
    }
    const int checkWidth = fw::SystemMetric(SM_CXMENUCHECK, dpi);
    MenuItemSize size;
    if (item->isSeparator) {
        size = MeasureSeparator(checkWidth, fw::SystemMetric(SM_CYMENUCHECK, dpi));
    } else {
        const fw::WindowDc screen = fw::WindowDc::Whole(nullptr);
        const fw::Font bold(CreateBoldMenuFont());
        RECT textRect{0, 0, 0, 0};
        {
            fw::SelectGuard font(screen.Get(), bold.Get());
            DrawTextA(screen.Get(), item->text.c_str(), static_cast<int>(item->text.size()),
                      &textRect, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        }
        size = MeasureMenuItem(textRect.right - textRect.left, textRect.bottom - textRect.top,
                               checkWidth, dpi);
    }
    // The platform adds the check-mark width itself; a negative width wraps
    // like the unsigned arithmetic the platform applies to it.
    request.itemWidth = static_cast<UINT>(size.width);
    request.itemHeight = static_cast<UINT>(size.height);
    return true;
}

bool CMenuXP::DrawItem(const DRAWITEMSTRUCT& request) {
    const CMenuXPItem* item = request.CtlType == ODT_MENU ? RecordOf(request.itemData) : nullptr;
    if (item == nullptr) {
        return false;
    }
    HDC dc = request.hDC;
    const RECT rect = request.rcItem;
    if (item->isSeparator) {
        DrawBackground(dc, rect, false, false);
        RECT line = ToRect(SeparatorLineRect(ToMenuRect(rect)));
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        if (style == MenuStyleFlat) {
            DrawIconArea(dc, ToRect(SeparatorIconArea(ToMenuRect(rect), dpi)), false, false, false);
        }
        return true;
    }
    const bool selected = (request.itemState & ODS_SELECTED) != 0;
    const bool disabled = (request.itemState & ODS_GRAYED) != 0;
    const bool ticked = (request.itemState & ODS_CHECKED) != 0;
    const bool isDefault = (request.itemState & ODS_DEFAULT) != 0;
    const MenuItemLayout layout = LayoutMenuItem(ToMenuRect(rect), dpi);

    DrawBackground(dc, rect, selected, disabled);
    if (style == MenuStyleFlat) {
        DrawIconArea(dc, ToRect(layout.iconBox), selected, disabled, ticked);
    }
    if (item->icon || ticked) {
        DrawButtonFrame(dc, ToRect(layout.iconBox), selected, disabled, ticked);
    }
    if (item->icon) {
        DrawItemIcon(dc, ToRect(layout.iconRect), item->icon.Get(), selected, disabled, ticked);
    } else if (ticked) {
        DrawCheckMark(dc, ToRect(layout.iconRect), selected);
    }
    DrawItemText(dc, ToRect(layout.textRect), item->text, selected, disabled, isDefault);
    return true;
}

void CMenuXP::FillRectangle(HDC dc, const RECT& rect, COLORREF color) {
    const fw::Brush brush(CreateSolidBrush(color));
    fw::SelectGuard select(dc, brush.Get());
    PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
}

void CMenuXP::DrawBackground(HDC dc, RECT rect, bool selected, bool disabled) {
    const bool flat = style == MenuStyleFlat;
    FillRectangle(dc, rect, selected && (!disabled || !flat) ? selectionColour : backgroundColour);
    if (flat && selected && !disabled) {
        const fw::Pen frame(CreatePen(PS_SOLID, 1, frameColor));
        fw::SelectGuard pen(dc, frame.Get());
        fw::SelectGuard brush(dc, GetStockObject(HOLLOW_BRUSH));
        Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
}

void CMenuXP::DrawIconArea(HDC dc, RECT rect, bool selected, bool disabled, bool) {
    if (style != MenuStyleFlat || (selected && !disabled)) {
        return;
    }
    FillRectangle(dc, rect, iconAreaColour);
}

void CMenuXP::DrawButtonFrame(HDC dc, RECT rect, bool selected, bool disabled, bool ticked) {
    if (style == MenuStyleFlat) {
        if (ticked && !selected && !disabled) {
            DrawBackground(dc, rect, true, false);
        }
        return;
    }
    FillRectangle(dc, rect,
                  ticked && !selected ? GetSysColor(COLOR_BTNHIGHLIGHT) : backgroundColour);
    if (!disabled && (selected || ticked)) {
        DrawEdge(dc, &rect, ticked ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
}

void CMenuXP::DrawItemIcon(HDC dc, RECT rect, HICON icon, bool selected, bool disabled,
                           bool ticked) {
    if (disabled) {
        DrawIconSilhouette(dc, rect, icon, false);
        return;
    }
    if (style == MenuStyleFlat && selected && !ticked) {
        DrawIconSilhouette(dc, rect, icon, true);
        OffsetRect(&rect, -base::Scale(1, dpi), -base::Scale(1, dpi));
    }
    DrawIconEx(dc, rect.left, rect.top, icon, rect.right - rect.left, rect.bottom - rect.top, 0,
               nullptr, DI_NORMAL);
}

void CMenuXP::DrawIconSilhouette(HDC dc, RECT rect, HICON icon, bool shadowOnly) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const fw::MemoryDc memory(CreateCompatibleDC(dc));
    const fw::Bitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    fw::SelectGuard maskSelection(memory.Get(), mask.Get());
    PatBlt(memory.Get(), 0, 0, width, height, WHITENESS);
    DrawIconEx(memory.Get(), 0, 0, icon, width, height, 0, nullptr, DI_MASK);

    fw::BkColorGuard background(dc, RGB(255, 255, 255));
    const fw::Brush light(
        CreateSolidBrush(GetSysColor(shadowOnly ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT)));
    const fw::Brush shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    {
        fw::SelectGuard brush(dc, light.Get());
        const int offset = base::Scale(1, dpi);
        BitBlt(dc, rect.left + offset, rect.top + offset, width, height, memory.Get(), 0, 0,
               PSDPxax);
    }
    fw::SelectGuard brush(dc, shadow.Get());
    BitBlt(dc, rect.left, rect.top, width, height, memory.Get(), 0, 0, PSDPxax);
}

void CMenuXP::DrawCheckMark(HDC dc, RECT rect, bool) {
    MenuPoint tick[3];
    CheckMarkPoints(ToMenuRect(rect), dpi, tick);
    const fw::Pen pen(CreatePen(PS_SOLID, 1, frameColor));
    fw::SelectGuard select(dc, pen.Get());
    for (int lower = 0; lower < base::Scale(CheckMarkStrokes, dpi); ++lower) {
        POINT points[3];
        for (int i = 0; i < 3; ++i) {
            points[i] = POINT{tick[i].x, tick[i].y + lower};
        }
        Polyline(dc, points, 3);
    }
}

void CMenuXP::DrawItemText(HDC dc, RECT rect, const std::string& text, bool selected, bool disabled,
                           bool isDefault) {
    const fw::Font bold(isDefault ? CreateBoldMenuFont() : nullptr);
    fw::SelectGuard font(dc, bold ? bold.Get() : menuFont.Get());
    fw::BkModeGuard mode(dc, TRANSPARENT);
    if (disabled) {
        if (!selected || style == MenuStyleFlat) {
            RECT engraved = rect;
            OffsetRect(&engraved, base::Scale(1, dpi), base::Scale(1, dpi));
            DrawMenuText(dc, engraved, text, selectedTextColour);
        }
        DrawMenuText(dc, rect, text, disabledTextColour);
    } else {
        DrawMenuText(dc, rect, text, selected ? selectedTextColour : textColour);
    }
}

void CMenuXP::DrawMenuText(HDC dc, RECT rect, const std::string& text, COLORREF colour) {
    SetTextColor(dc, colour);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}

} // namespace controls
