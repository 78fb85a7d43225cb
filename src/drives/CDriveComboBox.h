#pragma once
// The owner-drawn drop-down list of drive roots: each item may carry a small
// icon and be drawn in bold.
#include "framework/Handles.h"
#include "framework/Window.h"

#include <map>
#include <string>

class CDriveComboBox : public fw::Window {
  public:
    struct ItemRecord {
        bool bold = false;
        int iconId = 0;
        fw::Icon icon;
    };

    // Loads icon resource `iconId` for the item at 16 x 16 pixels scaled to the
    // list's DPI, and repaints.
    void SetItemIcon(int index, int iconId);
    // Draws for `dpi` from now on (the window's DPI until set), with the item
    // icons loaded again at that DPI.
    void SetDpi(int newDpi);
    void SetItemBold(int index, bool bold);
    bool IsItemBold(int index) const;

    // Removes every item and its record.
    void ResetContent();
    int GetCount() const noexcept;
    std::string GetLBText(int index) const;

    virtual void DrawItem(const DRAWITEMSTRUCT& item);

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

  protected:
    void OnWindowGone() override { items.clear(); }

  private:
    LRESULT OnDrawItemReflect(WPARAM wParam, LPARAM lParam);
    void Repaint() const noexcept;
    int CurrentDpi() const;

    std::map<int, ItemRecord> items;
    int dpi = 0;
};
