#pragma once

// The dialog manager: what the learner's input does to a dialog. Clicks,
// keys, menu choices and the close box come in here from the host (or from
// a test), and become focus changes, radio-button checks and commands.
// Every function returns true when the input was taken.

#include <vector>

#include "platform/Types.h"

namespace platform {

enum class Key { Tab, Enter, Escape, Space, Left, Right, Up, Down, F1 };

enum class Modifiers : unsigned { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };
constexpr Modifiers operator|(Modifiers a, Modifiers b)
{
    return static_cast<Modifiers>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool Has(Modifiers set, Modifiers m)
{
    return (static_cast<unsigned>(set) & static_cast<unsigned>(m)) != 0;
}

// A click: the control takes the focus; a push button sends its command; an
// automatic radio button checks itself, unchecks the other radio buttons of
// its group, then sends its command.
bool Click(Window& control);
// A key pressed in the dialog that holds `window` (the dialog or a control).
bool PressKey(Window& window, Key key, Modifiers modifiers = Modifiers::None);
// A character typed: with Alt, or when the focus does not take characters,
// it is a mnemonic.
bool PressCharacter(Window& window, char character, Modifiers modifiers = Modifiers::None);
// A menu-bar item chosen; grayed and disabled items send nothing.
bool ChooseMenuItem(Window& topLevel, UINT command);
bool ChooseSystemMenuItem(Window& topLevel, UINT command);
// The caption's close box; a window without a system menu has none.
bool PressCloseBox(Window& topLevel);

// The window can take input now: it exists, is shown and enabled, and so is
// its top-level window.
bool AcceptsInput(const Window& window);
// The first control that is visible, enabled and a tab stop.
Window* FirstTabStop(Window& dialog);
// The radio group that holds the control: from the nearest WS_GROUP control
// at or before it, in template order, to the next WS_GROUP control.
std::vector<Window*> GroupOf(Window& control);

}  // namespace platform
