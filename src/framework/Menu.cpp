#include "framework/Menu.h"

#include <utility>

namespace fw {
namespace {

// The menus alive on the user-interface thread, newest first.
Menu* liveMenus = nullptr;

} // namespace

Menu::Menu() noexcept : nextLive(liveMenus) {
    liveMenus = this;
}

Menu::~Menu() {
    DestroyMenu();
    for (Menu** link = &liveMenus; *link != nullptr; link = &(*link)->nextLive) {
        if (*link == this) {
            *link = nextLive;
            break;
        }
    }
}

bool Menu::CreatePopupMenu() noexcept {
    DestroyMenu();
    menu = ::CreatePopupMenu();
    return menu != nullptr;
}

void Menu::Attach(HMENU attached) noexcept {
    DestroyMenu();
    menu = attached;
}

HMENU Menu::Detach() noexcept {
    return std::exchange(menu, nullptr);
}

void Menu::DestroyMenu() noexcept {
    if (menu != nullptr) {
        ::DestroyMenu(menu);
        menu = nullptr;
    }
}

UINT Menu::TrackPopupMenu(UINT flags, int x, int y, HWND owner) const noexcept {
    return static_cast<UINT>(::TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr));
}

Menu* Menu::FromHandle(HMENU menu) noexcept {
    if (menu == nullptr) {
        return nullptr;
    }
    for (Menu* m = liveMenus; m != nullptr; m = m->nextLive) {
        if (m->menu == menu) {
            return m;
        }
    }
    return nullptr;
}

bool Menu::MeasureAny(MEASUREITEMSTRUCT& item) {
    for (Menu* m = liveMenus; m != nullptr; m = m->nextLive) {
        if (m->MeasureItem(item)) {
            return true;
        }
    }
    return false;
}

int Menu::LiveCount() noexcept {
    int count = 0;
    for (Menu* m = liveMenus; m != nullptr; m = m->nextLive) {
        ++count;
    }
    return count;
}

} // namespace fw
