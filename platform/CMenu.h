#pragma once

// The framework's menu object: a wrapper around one menu of the model.

#include "platform/CString.h"
#include "platform/Types.h"

class CMenu {
public:
    explicit CMenu(platform::Menu& menu) : m_hMenu(&menu) {}

    HMENU m_hMenu;
    HMENU GetSafeHmenu() const { return m_hMenu; }

    // By command (MF_BYCOMMAND) the item is looked for in every popup below.
    // Returns the previous state, or MENU_NOT_FOUND.
    UINT EnableMenuItem(UINT idOrPosition, UINT flags);
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT check, UINT flags);
    BOOL AppendMenu(UINT flags, UINT command = 0, const char* text = nullptr);
    UINT GetMenuState(UINT idOrPosition, UINT flags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    CString GetMenuString(UINT idOrPosition, UINT flags) const;
    CMenu* GetSubMenu(int position) const;
};
