#include "platform/Menu.h"

#include "platform/CMenu.h"
#include "platform/Constants.h"
#include "platform/Window.h"

namespace platform {

namespace {

void AddTemplateItems(Menu& menu, const std::vector<MenuTemplateItem>& items, Window* shownBy)
{
    for (const MenuTemplateItem& item : items) {
        if (item.flags & MF_SEPARATOR) {
            menu.Append(MF_SEPARATOR, 0, nullptr);
        } else if (!item.items.empty() || (item.flags & MF_POPUP)) {
            auto popup = std::make_unique<Menu>(shownBy);
            AddTemplateItems(*popup, item.items, shownBy);
            menu.AppendPopup(item.text, std::move(popup));
        } else {
            menu.Append(MF_STRING, item.command, item.text);
            menu.EnableItem(item.command, MF_BYCOMMAND | (item.flags & (MF_GRAYED | MF_DISABLED)));
        }
    }
}

}  // namespace

Menu::Menu(Window* shownBy) : m_shownBy(shownBy) {}

Menu::~Menu() = default;

CMenu& Menu::Wrapper()
{
    if (!m_wrapper)
        m_wrapper = std::make_unique<CMenu>(*this);
    return *m_wrapper;
}

std::unique_ptr<Menu> Menu::FromTemplate(const MenuTemplate& menuTemplate, Window* shownBy)
{
    auto menu = std::make_unique<Menu>(nullptr);
    for (const MenuTemplateItem& popupTemplate : menuTemplate.popups) {
        auto popup = std::make_unique<Menu>(nullptr);
        AddTemplateItems(*popup, popupTemplate.items, nullptr);
        menu->AppendPopup(popupTemplate.text, std::move(popup));
    }
    menu->SetShownBy(shownBy);
    return menu;
}

std::unique_ptr<Menu> Menu::SystemMenu(DWORD windowStyle, Window* shownBy)
{
    auto menu = std::make_unique<Menu>(nullptr);
    const bool sizable = windowStyle & WS_THICKFRAME;
    menu->Append(MF_STRING, SC_RESTORE, "&Restore");
    menu->Append(MF_STRING, SC_MOVE, "&Move");
    if (sizable)
        menu->Append(MF_STRING, SC_SIZE, "&Size");
    if (windowStyle & WS_MINIMIZEBOX)
        menu->Append(MF_STRING, SC_MINIMIZE, "Mi&nimize");
    if (windowStyle & WS_MAXIMIZEBOX)
        menu->Append(MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    menu->Append(MF_SEPARATOR, 0, nullptr);
    menu->Append(MF_STRING, SC_CLOSE, "&Close");
    // A window that is not minimised cannot be restored; a fixed frame cannot be maximised.
    menu->EnableItem(SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
    menu->EnableItem(SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    menu->SetShownBy(shownBy);
    return menu;
}

MenuItem* Menu::FindByCommand(UINT command)
{
    for (MenuItem& item : m_items) {
        if (item.popup) {
            if (MenuItem* found = item.popup->FindByCommand(command))
                return found;
        } else if (!item.separator && item.command == command) {
            return &item;
        }
    }
    return nullptr;
}

const MenuItem* Menu::FindByCommand(UINT command) const
{
    return const_cast<Menu*>(this)->FindByCommand(command);
}

Menu* Menu::FindHolder(UINT command)
{
    for (MenuItem& item : m_items) {
        if (item.popup) {
            if (Menu* holder = item.popup->FindHolder(command))
                return holder;
        } else if (!item.separator && item.command == command) {
            return this;
        }
    }
    return nullptr;
}

MenuItem* Menu::ItemAt(UINT flags, UINT idOrPosition)
{
    if (flags & MF_BYPOSITION)
        return idOrPosition < m_items.size() ? &m_items[idOrPosition] : nullptr;
    return FindByCommand(idOrPosition);
}

UINT Menu::EnableItem(UINT idOrPosition, UINT flags)
{
    MenuItem* item = ItemAt(flags, idOrPosition);
    if (!item)
        return MENU_NOT_FOUND;
    const UINT previous = item->state & (MF_GRAYED | MF_DISABLED);
    item->state = (item->state & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    if (previous != (item->state & (MF_GRAYED | MF_DISABLED)))
        Changed();
    return previous;
}

BOOL Menu::CheckRadioItem(UINT first, UINT last, UINT check, UINT flags)
{
    Menu* holder = this;
    if (!(flags & MF_BYPOSITION)) {
        holder = FindHolder(check);
        if (!holder)
            return FALSE;
    } else if (check >= m_items.size()) {
        return FALSE;
    }
    for (std::size_t position = 0; position < holder->m_items.size(); ++position) {
        MenuItem& item = holder->m_items[position];
        if (item.separator || item.popup)
            continue;
        const UINT key = (flags & MF_BYPOSITION) ? static_cast<UINT>(position) : item.command;
        if (key < first || key > last)
            continue;
        if (key == check)
            item.state |= MF_CHECKED | MFT_RADIOCHECK;
        else
            item.state &= ~(MF_CHECKED | MFT_RADIOCHECK);
    }
    Changed();
    return TRUE;
}

BOOL Menu::Append(UINT flags, UINT command, const char* text)
{
    MenuItem item;
    if (flags & MF_SEPARATOR) {
        item.separator = true;
    } else {
        item.text = text ? text : "";
        item.command = command;
        item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    }
    m_items.push_back(std::move(item));
    Changed();
    return TRUE;
}

void Menu::AppendPopup(const char* text, std::unique_ptr<Menu> popup)
{
    MenuItem item;
    item.text = text ? text : "";
    popup->SetShownBy(m_shownBy);
    item.popup = std::move(popup);
    m_items.push_back(std::move(item));
    Changed();
}

UINT Menu::StateOf(UINT idOrPosition, UINT flags) const
{
    const MenuItem* item = const_cast<Menu*>(this)->ItemAt(flags, idOrPosition);
    if (!item)
        return MENU_NOT_FOUND;
    if (item->separator)
        return MF_SEPARATOR;
    if (item->popup)
        return MF_POPUP | (static_cast<UINT>(item->popup->m_items.size()) << 8) | (item->state & 0xFF);
    return item->state;
}

void Menu::SetShownBy(Window* window)
{
    m_shownBy = window;
    for (MenuItem& item : m_items)
        if (item.popup)
            item.popup->SetShownBy(window);
}

void Menu::Changed()
{
    if (m_shownBy)
        m_shownBy->MenuChanged(*this);
}

}  // namespace platform
