#pragma once
// A popup menu owned by an object. Owner-drawn items are measured and drawn by
// the object attached to their menu: a window that receives WM_MEASUREITEM or
// WM_DRAWITEM for a menu hands the request to that object.
#include <windows.h>

namespace fw {

class Menu {
  public:
    Menu() noexcept;
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    virtual ~Menu();

    bool CreatePopupMenu() noexcept;
    // Takes ownership of an existing menu (e.g. one loaded from resources).
    void Attach(HMENU menu) noexcept;
    HMENU Detach() noexcept;
    void DestroyMenu() noexcept;
    HMENU GetHandle() const noexcept { return menu; }

    // Shows the menu and returns when it closes; the chosen command reaches
    // `owner` as WM_COMMAND unless TPM_RETURNCMD is given.
    UINT TrackPopupMenu(UINT flags, int x, int y, HWND owner) const noexcept;

    // The live object attached to `menu`, or null.
    static Menu* FromHandle(HMENU menu) noexcept;
    // Asks every live menu object to measure the item; true when one did.
    static bool MeasureAny(MEASUREITEMSTRUCT& item);
    // Number of live menu objects (for leak checks).
    static int LiveCount() noexcept;

    virtual bool MeasureItem(MEASUREITEMSTRUCT&) { return false; }
    virtual bool DrawItem(const DRAWITEMSTRUCT&) { return false; }

  private:
    HMENU menu = nullptr;
    Menu* nextLive = nullptr;
};

} // namespace fw
