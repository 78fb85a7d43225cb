#include "framework/Menu.h"

namespace fw {
namespace {

// The menus alive on the user-interface thread, newest first.
Menu* liveMenus = nullptr;

} // namespace

Menu::Menu() noexcept : nextLive_(liveMenus) {
    liveMenus = this;
}

Menu::~Menu() {
    DestroyMenu();
    for (Menu** link = &liveMenus; *link != nullptr; link = &(*link)->nextLive_) {
        if (*link == this) {
            *link = nextLive_;
            break;
        }
    }
}

bool Menu::CreatePopupMenu() noexcept {
    DestroyMenu();
    menu_ = ::CreatePopupMenu();
    return menu_ != nullptr;
}

void Menu::Attach(HMENU menu) noexcept {
    DestroyMenu();
    menu_ = menu;
}

HMENU Menu::Detach() noexcept {
    HMENU menu = menu_;
    menu_ = nullptr;
    return menu;
}

void Menu::DestroyMenu() noexcept {
    if (menu_ != nullptr) {
        ::DestroyMenu(menu_);
        menu_ = nullptr;
    }
}

UINT Menu::TrackPopupMenu(UINT flags, int x, int y, HWND owner) const noexcept {
    return static_cast<UINT>(::TrackPopupMenu(menu_, flags, x, y, 0, owner, nullptr));
}

Menu* Menu::FromHandle(HMENU menu) noexcept {
    if (menu == nullptr) {
        return nullptr;
    }
    for (Menu* m = liveMenus; m != nullptr; m = m->nextLive_) {
        if (m->menu_ == menu) {
            return m;
        }
    }
    return nullptr;
}

bool Menu::MeasureAny(MEASUREITEMSTRUCT& item) {
    for (Menu* m = liveMenus; m != nullptr; m = m->nextLive_) {
        if (m->MeasureItem(item)) {
            return true;
        }
    }
    return false;
}

int Menu::LiveCount() noexcept {
    int count = 0;
    for (Menu* m = liveMenus; m != nullptr; m = m->nextLive_) {
        ++count;
    }
    return count;
}

} // namespace fw
