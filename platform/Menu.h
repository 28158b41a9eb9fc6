#pragma once

// The model of a menu: a menu bar or a popup, with its items and their
// states. The window that shows the menu is told of every change.

#include <memory>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "platform/Types.h"

class CMenu;

namespace platform {

class Menu;

struct MenuItem {
    std::string text;
    UINT command = 0;
    UINT state = 0;  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MFT_RADIOCHECK.
    bool separator = false;
    std::unique_ptr<Menu> popup;
};

class Menu {
public:
    explicit Menu(Window* shownBy = nullptr);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    static std::unique_ptr<Menu> FromTemplate(const MenuTemplate& menuTemplate, Window* shownBy);
    // The system menu of a window with the given style: Restore, Move, Size,
    // Minimize and Maximize as the style offers them, a separator, and Close.
    static std::unique_ptr<Menu> SystemMenu(DWORD windowStyle, Window* shownBy);

    const std::vector<MenuItem>& Items() const { return m_items; }

    // Finds the item with this command here or in any popup below.
    MenuItem* FindByCommand(UINT command);
    const MenuItem* FindByCommand(UINT command) const;
    // Finds the menu, this one or a popup below, that holds the command.
    Menu* FindHolder(UINT command);
    MenuItem* ItemAt(UINT flags, UINT idOrPosition);

    // The previous state (MF_ENABLED, MF_GRAYED, MF_DISABLED), or
    // MENU_NOT_FOUND when there is no such item.
    UINT EnableItem(UINT idOrPosition, UINT flags);
    // Marks `check` with a radio bullet and clears the marks of the other
    // items from `first` to `last` (by command: numeric identifiers, in the
    // popup that holds `check`). FALSE when `check` is not there.
    BOOL CheckRadioItem(UINT first, UINT last, UINT check, UINT flags);
    BOOL Append(UINT flags, UINT command, const char* text);
    void AppendPopup(const char* text, std::unique_ptr<Menu> popup);
    // State bits of the item, or MENU_NOT_FOUND.
    UINT StateOf(UINT idOrPosition, UINT flags) const;

    void SetShownBy(Window* window);
    // The framework object for this menu; it lives as long as the menu.
    CMenu& Wrapper();

private:
    void Changed();

    std::vector<MenuItem> m_items;
    Window* m_shownBy;
    std::unique_ptr<CMenu> m_wrapper;
};

}  // namespace platform
