#include "platform/CMenu.h"

#include "platform/Constants.h"
#include "platform/Menu.h"

UINT CMenu::EnableMenuItem(UINT idOrPosition, UINT flags)
{
    return m_hMenu->EnableItem(idOrPosition, flags);
}

BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT check, UINT flags)
{
    return m_hMenu->CheckRadioItem(first, last, check, flags);
}

BOOL CMenu::AppendMenu(UINT flags, UINT command, const char* text)
{
    return m_hMenu->Append(flags, command, text);
}

UINT CMenu::GetMenuState(UINT idOrPosition, UINT flags) const
{
    return m_hMenu->StateOf(idOrPosition, flags);
}

int CMenu::GetMenuItemCount() const
{
    return static_cast<int>(m_hMenu->Items().size());
}

UINT CMenu::GetMenuItemID(int position) const
{
    if (position < 0 || position >= GetMenuItemCount())
        return MENU_NOT_FOUND;
    const platform::MenuItem& item = m_hMenu->Items()[static_cast<std::size_t>(position)];
    if (item.popup)
        return MENU_NOT_FOUND;
    return item.separator ? 0 : item.command;
}

CString CMenu::GetMenuString(UINT idOrPosition, UINT flags) const
{
    const platform::MenuItem* item = m_hMenu->ItemAt(flags, idOrPosition);
    return item ? CString(item->text) : CString();
}

CMenu* CMenu::GetSubMenu(int position) const
{
    if (position < 0 || position >= GetMenuItemCount())
        return nullptr;
    const platform::MenuItem& item = m_hMenu->Items()[static_cast<std::size_t>(position)];
    return item.popup ? &item.popup->Wrapper() : nullptr;
}
