#include "framework/Window.h"

#include "framework/Application.h"
#include "framework/Menu.h"

#include <exception>
#include <string>
#include <unordered_map>
#include <utility>

namespace fw {
namespace {

void ShowFatalError(const char* what) noexcept {
    std::string text = "Orbelune met an internal error and must close:\n";
    text += what;
    OutputDebugStringA(text.c_str());
    MessageBoxA(nullptr, text.c_str(), "Orbelune", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(ExitInternalError);
}

FatalErrorHandler fatalErrorHandler = &ShowFatalError;

// The link from each subclassed window to its object and to the procedure it
// had before. Windows live on the one user-interface thread, so a plain map
// serves; a window property would cost a round trip to the window server on
// every message under some platforms. A window that outlives its object (when
// someone subclassed it after us) keeps its entry without object, and its
// messages go on to the previous procedure.
struct Link {
    Window* object;
    WNDPROC previous;
};

std::unordered_map<HWND, Link>& Links() {
    static std::unordered_map<HWND, Link> links;
    return links;
}

HWND ChildOfMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        return reinterpret_cast<HWND>(lParam);
    }
    switch (message) {
    case WM_DRAWITEM:
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_MEASUREITEM:
        return GetDlgItem(parent,
                          static_cast<int>(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlID));
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    default:
        (void)wParam;
        return nullptr;
    }
}

} // namespace

bool DispatchMessageMap(const MessageMap& first, Window& window, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    for (const MessageMap* map = &first; map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageEntry& entry = map->entries[i];
            bool match = false;
            switch (entry.kind) {
            case EntryKind::Message:
                match = entry.first == message;
                break;
            case EntryKind::MessageRange:
                match = message >= entry.first && message <= entry.last;
                break;
            case EntryKind::Command:
                // Menu items and accelerators carry no control; buttons send BN_CLICKED (0).
                match = message == WM_COMMAND && entry.first == id &&
                        (code == 0 || (code == 1 && lParam == 0));
                break;
            case EntryKind::Notification:
                match =
                    message == WM_COMMAND && lParam != 0 && entry.first == id && entry.last == code;
                break;
            }
            if (match && entry.call(window, wParam, lParam, result)) {
                return true;
            }
        }
    }
    return false;
}

void ReportFatalError(const char* what) noexcept {
    fatalErrorHandler(what);
}

FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler) noexcept {
    return std::exchange(fatalErrorHandler, handler != nullptr ? handler : &ShowFatalError);
}

const MessageMap& Window::Messages() {
    static const MessageMap map(nullptr);
    return map;
}

Window::~Window() {
    Unsubclass();
}

Window* Window::FromHandle(HWND window) noexcept {
    const auto link = Links().find(window);
    return link != Links().end() ? link->second.object : nullptr;
}

bool Window::Subclass(HWND window) noexcept {
    if (window == nullptr || hwnd != nullptr || Links().count(window) != 0 || !IsWindow(window)) {
        return false;
    }
    Links()[window] = Link{this, nullptr};
    hwnd = window;
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticWindowProc)));
    Links()[window].previous = previous;
    PreSubclassWindow();
    return true;
}

bool Window::SubclassDlgItem(int id, HWND parent) noexcept {
    return Subclass(GetDlgItem(parent, id));
}

void Window::Unsubclass() noexcept {
    if (hwnd == nullptr) {
        return;
    }
    // The previous procedure comes back only when nobody subclassed the window
    // after us; otherwise our procedure stays and passes every message on.
    if (IsWindow(hwnd) &&
        GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&StaticWindowProc)) {
        Detach();
        return;
    }
    const auto link = Links().find(hwnd);
    if (link != Links().end()) {
        link->second.object = nullptr;
    }
    hwnd = nullptr;
    previous = nullptr;
}

void Window::Detach() noexcept {
    Links().erase(hwnd);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    hwnd = nullptr;
    previous = nullptr;
}

std::string Window::GetText() const {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void Window::ModifyStyle(DWORD remove, DWORD add, UINT frameFlags) const noexcept {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~remove) | add));
    if (frameFlags != 0) {
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | frameFlags);
    }
}

LRESULT Window::Default() {
    if (current == nullptr) {
        return 0;
    }
    return Default(current->wParam, current->lParam);
}

LRESULT Window::Default(WPARAM wParam, LPARAM lParam) {
    if (current == nullptr || hwnd == nullptr) {
        return 0;
    }
    return CallWindowProcA(previous, hwnd, current->message, wParam, lParam);
}

bool Window::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU) {
            Menu* menu = Menu::FromHandle(reinterpret_cast<HMENU>(item->hwndItem));
            if (menu != nullptr && menu->DrawItem(*item)) {
                result = TRUE;
                return true;
            }
            return false;
        }
    } else if (message == WM_MEASUREITEM) {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU) {
            if (Menu::MeasureAny(*item)) {
                result = TRUE;
                return true;
            }
            return false;
        }
    }
    HWND child = ChildOfMessage(hwnd, message, wParam, lParam);
    if (child == nullptr || child == hwnd) {
        return false;
    }
    Window* control = FromHandle(child);
    if (control == nullptr) {
        return false;
    }
    return DispatchMessageMap(control->GetMessageMap(), *control, ReflectBase + message, wParam,
                              lParam, result);
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, result)) {
        return result;
    }
    if (DispatchMessageMap(GetMessageMap(), *this, message, wParam, lParam, result)) {
        return result;
    }
    return Default();
}

LRESULT CALLBACK Window::StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept {
    const auto link = Links().find(window);
    if (link == Links().end()) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    Window* self = link->second.object;
    if (self == nullptr) {
        const WNDPROC previous = link->second.previous;
        if (message == WM_NCDESTROY) {
            Links().erase(link);
        }
        return CallWindowProcA(previous, window, message, wParam, lParam);
    }
    const CurrentMessage current{message, wParam, lParam};
    const CurrentMessage* outer = self->current;
    self->current = &current;
    const LRESULT result =
        Guarded([&] { return self->WindowProc(message, wParam, lParam); }, LRESULT{0});
    self->current = outer;
    if (message == WM_NCDESTROY && self->hwnd == window) {
        self->Detach();
        self->OnWindowGone();
    }
    return result;
}

} // namespace fw
