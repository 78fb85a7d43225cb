#pragma once
#include "controls/CMenuXPItem.h"
#include "framework/Handles.h"
#include "framework/Menu.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace controls {

// A popup menu whose items are all owner-drawn with a small icon (16 x 16 at
// 96 DPI) beside the text, in a button or a flat look. The menu holds its item
// records (with their icons) and its submenu objects.
class CMenuXP : public fw::Menu {
  public:
    enum Style { MenuStyleButton = 0, MenuStyleFlat = 2 };

    CMenuXP();
    ~CMenuXP() override;
    CMenuXP(const CMenuXP&) = delete;
    CMenuXP& operator=(const CMenuXP&) = delete;

    void SetStyle(Style newStyle) { style = newStyle; }
    // Measures and draws for a window of `dpi` (the system DPI until set);
    // the item icons are the caller's, loaded at MenuIconSizeAt(dpi).
    void SetDpi(int dpi);
    int GetDpi() const { return dpi; }

    bool AppendItem(UINT flags, std::unique_ptr<CMenuXPItem> item);
    bool AppendSeparator();
    bool AppendPopup(UINT flags, std::unique_ptr<CMenuXP> submenu,
                     std::unique_ptr<CMenuXPItem> item);
    // Only requests for this class's item records are answered (true).
    bool MeasureItem(MEASUREITEMSTRUCT& request) override;
    bool DrawItem(const DRAWITEMSTRUCT& request) override;

  protected:
    virtual void DrawBackground(HDC dc, RECT rect, bool selected, bool disabled);
    virtual void DrawButtonFrame(HDC dc, RECT rect, bool selected, bool disabled, bool ticked);
    virtual void DrawItemIcon(HDC dc, RECT rect, HICON icon, bool selected, bool disabled,
                              bool ticked);
    virtual void DrawItemText(HDC dc, RECT rect, const std::string& text, bool selected,
                              bool disabled, bool isDefault);
    virtual void DrawCheckMark(HDC dc, RECT rect, bool selected);
    virtual void DrawMenuText(HDC dc, RECT rect, const std::string& text, COLORREF colour);
    virtual void DrawIconArea(HDC dc, RECT rect, bool selected, bool disabled, bool ticked);

    void DrawIconSilhouette(HDC dc, RECT rect, HICON icon, bool shadowOnly);
    HFONT CreateBoldMenuFont() const;
    void FillRectangle(HDC dc, const RECT& rect, COLORREF color);

    fw::Font menuFont;
    COLORREF backgroundColour;
    COLORREF selectionColour;
    COLORREF textColour;
    COLORREF selectedTextColour;
    COLORREF disabledTextColour;
    COLORREF iconAreaColour;
    COLORREF frameColor; // of a selected row in the flat look, and of a tick

  private:
    bool Append(UINT flags, UINT_PTR idOrSubmenu, std::unique_ptr<CMenuXPItem> item);
    // One of this menu's item records, or null: another menu's item data, or
    // a value that is no record at all, is never read.
    const CMenuXPItem* RecordOf(ULONG_PTR itemData) const noexcept;

    Style style = MenuStyleButton;
    int dpi;
    std::vector<std::unique_ptr<CMenuXPItem>> items;
    std::vector<std::unique_ptr<CMenuXP>> submenus;
};

} // namespace controls
