#include "platform/Window.h"

#include <algorithm>
#include <cctype>

#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/Constants.h"
#include "platform/Dispatch.h"
#include "platform/Host.h"
#include "platform/Menu.h"

namespace platform {

namespace {

std::vector<std::unique_ptr<Window>>& LiveTopLevel()
{
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

// Destroyed windows wait here until no message handler can still hold them.
std::vector<std::unique_ptr<Window>>& Graveyard()
{
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

Window*& ActiveWindowSlot()
{
    static Window* active = nullptr;
    return active;
}

bool Contains(const Window& tree, const Window* window)
{
    if (&tree == window)
        return true;
    for (const auto& child : tree.Children())
        if (Contains(*child, window))
            return true;
    return false;
}

}  // namespace

Window::Window(WindowClass windowClass, int id, DWORD style, DWORD exStyle, std::string text)
    : m_class(windowClass), m_id(id), m_style(style), m_exStyle(exStyle), m_text(std::move(text)),
      m_visible(style & WS_VISIBLE), m_enabled(!(style & WS_DISABLED))
{
}

Window::~Window() = default;

void Window::SetStyle(DWORD style)
{
    if (style == m_style)
        return;
    m_style = style;
    Notify(Change::Style);
}

bool Window::IsPushButton() const
{
    const DWORD kind = m_style & BS_TYPEMASK;
    return m_class == WindowClass::Button && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
}

bool Window::IsDefaultPushButton() const
{
    return m_class == WindowClass::Button && (m_style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

bool Window::IsRadioButton() const
{
    const DWORD kind = m_style & BS_TYPEMASK;
    return m_class == WindowClass::Button && (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON);
}

bool Window::IsAutoRadioButton() const
{
    return m_class == WindowClass::Button && (m_style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

bool Window::IsCheckable() const
{
    const DWORD kind = m_style & BS_TYPEMASK;
    return IsRadioButton() || (m_class == WindowClass::Button && (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX));
}

bool Window::IsGroupBox() const
{
    return m_class == WindowClass::Button && (m_style & BS_TYPEMASK) == BS_GROUPBOX;
}

bool Window::IsStaticLike() const
{
    return m_class == WindowClass::Static || IsGroupBox();
}

bool Window::TakesCharacters() const
{
    return m_class == WindowClass::Edit;
}

char Window::Mnemonic() const
{
    if (m_class == WindowClass::Edit || m_class == WindowClass::Dialog)
        return 0;
    if (m_class == WindowClass::Static && (m_style & SS_NOPREFIX))
        return 0;
    if (m_class == WindowClass::Static && (m_style & SS_TYPEMASK) != SS_LEFT)
        return 0;
    if (m_class == WindowClass::Button && (m_style & BS_NOPREFIX))
        return 0;
    for (std::size_t i = 0; i + 1 < m_text.size(); ++i) {
        if (m_text[i] != '&')
            continue;
        if (m_text[i + 1] == '&') {
            ++i;  // "&&" is a literal ampersand.
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(m_text[i + 1])));
    }
    return 0;
}

void Window::SetText(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    Notify(Change::Text);
}

bool Window::IsShown() const
{
    for (const Window* w = this; w; w = w->m_parent)
        if (!w->m_visible)
            return false;
    return true;
}

void Window::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (visible)
        m_style |= WS_VISIBLE;
    else
        m_style &= ~WS_VISIBLE;
    Notify(Change::Visible);
}

void Window::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        m_style &= ~WS_DISABLED;
    else
        m_style |= WS_DISABLED;
    Notify(Change::Enabled);
}

void Window::SetCheck(UINT check)
{
    if (check == m_check)
        return;
    m_check = check;
    Notify(Change::Check);
}

void Window::SetMinimized(bool minimized)
{
    if (minimized == m_minimized)
        return;
    m_minimized = minimized;
    if (m_systemMenu) {
        m_systemMenu->EnableItem(SC_RESTORE, MF_BYCOMMAND | (minimized ? MF_ENABLED : MF_GRAYED));
        m_systemMenu->EnableItem(SC_MINIMIZE, MF_BYCOMMAND | (minimized ? MF_GRAYED : MF_ENABLED));
    }
    Notify(Change::Minimized);
}

void Window::SetRect(const RECT& rect)
{
    if (rect == m_rect)
        return;
    m_rect = rect;
    Notify(Change::Geometry);
}

Window& Window::TopLevel()
{
    Window* w = this;
    while (w->m_parent)
        w = w->m_parent;
    return *w;
}

Window& Window::AddChild(std::unique_ptr<Window> child)
{
    child->m_parent = this;
    m_children.push_back(std::move(child));
    return *m_children.back();
}

Window* Window::ChildById(int id) const
{
    for (const auto& child : m_children)
        if (child->m_id == id)
            return child.get();
    return nullptr;
}

void Window::SetOwner(Window* owner)
{
    if (m_owner)
        m_owner->m_owned.erase(std::remove(m_owner->m_owned.begin(), m_owner->m_owned.end(), this),
                               m_owner->m_owned.end());
    m_owner = owner;
    if (owner)
        owner->m_owned.push_back(this);
}

void Window::SetMenuBar(std::unique_ptr<Menu> menu)
{
    m_menuBar = std::move(menu);
    if (m_menuBar)
        m_menuBar->SetShownBy(this);
    Notify(Change::MenuBar);
}

void Window::SetSystemMenu(std::unique_ptr<Menu> menu)
{
    m_systemMenu = std::move(menu);
    if (m_systemMenu)
        m_systemMenu->SetShownBy(this);
    Notify(Change::SystemMenu);
}

void Window::MenuChanged(const Menu& menu)
{
    Notify(&menu == m_systemMenu.get() ? Change::SystemMenu : Change::MenuBar);
}

HICON Window::SetIcon(WPARAM size, HICON icon)
{
    HICON& slot = size == ICON_SMALL ? m_smallIcon : m_bigIcon;
    HICON previous = slot;
    slot = icon;
    Notify(Change::Icon);
    return previous;
}

void Window::Attach(CWnd& wrapper)
{
    m_wrapper = &wrapper;
    wrapper.m_hWnd = this;
}

void Window::Detach()
{
    if (m_wrapper)
        m_wrapper->m_hWnd = nullptr;
    m_wrapper = nullptr;
}

CWnd& Window::WrapperForCaller()
{
    if (m_wrapper)
        return *m_wrapper;
    if (!m_callerWrapper) {
        m_callerWrapper = std::make_unique<CWnd>();
        m_callerWrapper->m_hWnd = this;
    }
    return *m_callerWrapper;
}

void Window::Notify(Change change)
{
    if (!m_destroyed && m_peer)
        CurrentHost().WindowChanged(*this, change);
}

void Window::MarkTreeDestroyed()
{
    m_destroyed = true;
    Detach();
    for (const auto& child : m_children)
        child->MarkTreeDestroyed();
}

Window& AddTopLevelWindow(std::unique_ptr<Window> window)
{
    LiveTopLevel().push_back(std::move(window));
    return *LiveTopLevel().back();
}

namespace {

void CollectIfIdle()
{
    if (DispatchDepth() == 0)
        Graveyard().clear();
}

}  // namespace

void DestroyWindow(Window& window)
{
    if (window.m_destroying)
        return;
    window.m_destroying = true;

    // Owned windows go first, as on the desktop; meanwhile this one still
    // takes the messages they send it as they go.
    const std::vector<Window*> owned = window.m_owned;
    for (Window* w : owned)
        DestroyWindow(*w);

    if (Window* focus = GetFocus(); focus && Contains(window, focus))
        window.TopLevel().SetFocusedChild(nullptr);
    if (ActiveWindowSlot() == &window)
        ActiveWindowSlot() = window.Owner();

    if (window.m_peer) {
        CurrentHost().WindowDestroyed(window);
        window.m_peer = nullptr;
    }

    CWnd* wrapper = window.Wrapper();
    window.MarkTreeDestroyed();
    window.SetOwner(nullptr);
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd && app->m_pMainWnd == wrapper)
        app->m_pMainWnd = nullptr;

    auto& live = LiveTopLevel();
    auto it = std::find_if(live.begin(), live.end(), [&](const auto& w) { return w.get() == &window; });
    if (it != live.end()) {
        Graveyard().push_back(std::move(*it));
        live.erase(it);
    }
    // The wrapper hears of it last; a modeless dialog may delete itself here.
    if (wrapper)
        wrapper->PostNcDestroy();
    CollectIfIdle();
}

void CollectDestroyedWindows()
{
    CollectIfIdle();
}

bool IsWindow(const Window* window)
{
    if (!window)
        return false;
    for (const auto& top : LiveTopLevel())
        if (Contains(*top, window))
            return !window->IsDestroyed();
    return false;
}

std::vector<Window*> TopLevelWindows()
{
    std::vector<Window*> windows;
    for (const auto& w : LiveTopLevel())
        windows.push_back(w.get());
    return windows;
}

Window* GetFocus()
{
    Window* active = ActiveWindowSlot();
    return active ? active->FocusedChild() : nullptr;
}

void SetFocus(Window* window)
{
    if (!window)
        return;
    Window& top = window->TopLevel();
    Window* previous = top.FocusedChild();
    SetActiveWindow(&top);
    if (previous == window)
        return;
    top.SetFocusedChild(window == &top ? nullptr : window);
    if (previous && previous->Peer())
        CurrentHost().WindowChanged(*previous, Change::Focus);
    if (window->Peer())
        CurrentHost().WindowChanged(*window, Change::Focus);
}

Window* GetActiveWindow()
{
    return ActiveWindowSlot();
}

void SetActiveWindow(Window* window)
{
    ActiveWindowSlot() = window;
}

}  // namespace platform
