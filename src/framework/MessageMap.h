#pragma once
// Static, typed message tables. A class lists its entries in a constant array
// and chains its base class's table after its own:
//
//   const fw::MessageMap& CMyDialog::Messages() {
//       static const fw::MessageEntry entries[] = {
//           fw::OnMessage<&CMyDialog::OnPaint>(WM_PAINT),
//           fw::OnCommand<&CMyDialog::OnRefresh>(ID_REFRESH),
//           fw::OnNotify<&CMyDialog::OnDriveChanged>(CBN_SELCHANGE, IDC_DRIVE_COMBO),
//       };
//       static const fw::MessageMap map(entries, &fw::Dialog::Messages());
//       return map;
//   }
//
// Handlers: `LRESULT C::H(WPARAM, LPARAM)` for messages, `void C::H()` for
// commands and control notifications. Inside a message handler, Default()
// runs the window's previous processing of the message being handled.
#include <windows.h>

#include <cstddef>

namespace fw {

class Window;

// Messages that a parent sends back to the child control they concern are
// delivered to the child's table as ReflectBase + the original message.
constexpr UINT ReflectBase = 0x2000;

enum class EntryKind : unsigned char { Message, MessageRange, Command, Notification };

using EntryCall = bool (*)(Window&, WPARAM, LPARAM, LRESULT&);

struct MessageEntry {
    EntryKind kind;
    UINT first; // message, first message of a range, or command / control id
    UINT last;  // last message of a range, or notification code
    EntryCall call;
};

struct MessageMap {
    template <std::size_t N>
    constexpr MessageMap(const MessageEntry (&array)[N], const MessageMap* baseMap)
        : entries(array), count(N), base(baseMap) {}
    constexpr explicit MessageMap(const MessageMap* baseMap)
        : entries(nullptr), count(0), base(baseMap) {}

    const MessageEntry* entries;
    std::size_t count;
    const MessageMap* base;
};

namespace detail {

template <typename T> struct MemberOf;
template <typename C, typename R, typename... A> struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};
template <typename C, typename R, typename... A> struct MemberOf<R (C::*)(A...) noexcept> {
    using Class = C;
};

template <auto Handler>
bool CallMessage(Window& window, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using C = typename MemberOf<decltype(Handler)>::Class;
    result = (static_cast<C&>(window).*Handler)(wParam, lParam);
    return true;
}

template <auto Handler> bool CallCommand(Window& window, WPARAM, LPARAM, LRESULT& result) {
    using C = typename MemberOf<decltype(Handler)>::Class;
    (static_cast<C&>(window).*Handler)();
    result = 0;
    return true;
}

} // namespace detail

template <auto Handler> constexpr MessageEntry OnMessage(UINT message) {
    return {EntryKind::Message, message, message, &detail::CallMessage<Handler>};
}

template <auto Handler> constexpr MessageEntry OnMessageRange(UINT first, UINT last) {
    return {EntryKind::MessageRange, first, last, &detail::CallMessage<Handler>};
}

// WM_COMMAND from a menu item, an accelerator or a button click (BN_CLICKED).
template <auto Handler> constexpr MessageEntry OnCommand(UINT id) {
    return {EntryKind::Command, id, 0, &detail::CallCommand<Handler>};
}

// WM_COMMAND carrying notification `code` from control `id`.
template <auto Handler> constexpr MessageEntry OnNotify(UINT code, UINT id) {
    return {EntryKind::Notification, id, code, &detail::CallCommand<Handler>};
}

// Finds the first entry of the chain that matches and calls it.
bool DispatchMessageMap(const MessageMap& map, Window& window, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result);

} // namespace fw
