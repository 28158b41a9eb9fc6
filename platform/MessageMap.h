#pragma once

// Message maps: each class's table of the messages and commands it handles,
// in order, chained to its base class's table. An entry is made from a
// member function; its signature says how the message's parameters reach it.

#include <cstddef>
#include <type_traits>

#include "platform/Constants.h"
#include "platform/Types.h"

class CCmdTarget;

struct MessageMapEntry {
    UINT message = 0;       // WM_COMMAND for commands and button clicks.
    UINT notifyCode = 0;    // For WM_COMMAND: BN_CLICKED (0) for menus and buttons.
    UINT firstId = 0;       // For WM_COMMAND: the command or control identifier.
    UINT lastId = 0;
    LRESULT (*invoke)(CCmdTarget& target, WPARAM wParam, LPARAM lParam) = nullptr;
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
    std::size_t count;

    template <std::size_t N>
    MessageMap(const MessageMap* baseMap, const MessageMapEntry (&table)[N]) : base(baseMap), entries(table), count(N)
    {
    }
    explicit MessageMap(const MessageMap* baseMap) : base(baseMap), entries(nullptr), count(0) {}
};

namespace platform::detail {

template <typename>
struct HandlerClass;
template <typename C, typename R, typename... Args>
struct HandlerClass<R (C::*)(Args...)> {
    using type = C;
};

// Calls the handler with the parameters its signature asks for.
template <auto Handler>
LRESULT Invoke(CCmdTarget& target, WPARAM wParam, LPARAM lParam)
{
    using Target = typename HandlerClass<decltype(Handler)>::type;
    auto& self = static_cast<Target&>(target);
    using Signature = decltype(Handler);
    if constexpr (std::is_same_v<Signature, void (Target::*)()>) {
        (self.*Handler)();
        return 0;
    } else if constexpr (std::is_same_v<Signature, void (Target::*)(UINT, LPARAM)>) {
        (self.*Handler)(static_cast<UINT>(wParam), lParam);
        return 0;
    } else if constexpr (std::is_same_v<Signature, HCURSOR (Target::*)()>) {
        return reinterpret_cast<LRESULT>((self.*Handler)());
    } else {
        static_assert(std::is_same_v<Signature, LRESULT (Target::*)(WPARAM, LPARAM)>,
                      "a handler takes nothing, (UINT, LPARAM), or (WPARAM, LPARAM)");
        return (self.*Handler)(wParam, lParam);
    }
}

}  // namespace platform::detail

// A menu command or accelerator: WM_COMMAND with this identifier.
template <auto Handler>
constexpr MessageMapEntry CommandEntry(UINT id)
{
    return {WM_COMMAND, 0, id, id, &platform::detail::Invoke<Handler>};
}

// A click on the button with this identifier.
template <auto Handler>
constexpr MessageMapEntry ClickedEntry(UINT id)
{
    return {WM_COMMAND, BN_CLICKED, id, id, &platform::detail::Invoke<Handler>};
}

// Any other message: WM_SYSCOMMAND, WM_PAINT, WM_QUERYDRAGICON or our own.
template <auto Handler>
constexpr MessageMapEntry MessageEntry(UINT message)
{
    return {message, 0, 0, 0, &platform::detail::Invoke<Handler>};
}
