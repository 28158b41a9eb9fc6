#include "platform/CWnd.h"

#include "platform/CMenu.h"
#include "platform/CWinApp.h"
#include "platform/Dispatch.h"
#include "platform/Host.h"
#include "platform/Menu.h"
#include "platform/ModalRun.h"
#include "platform/Window.h"

using platform::Window;

CWnd::~CWnd()
{
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    if (!m_hWnd)
        return;
    Window& window = *m_hWnd;
    if (window.Wrapper() != this) {
        m_hWnd = nullptr;
        return;
    }
    // A dialog object takes its window with it; a control member only lets go.
    if (window.Parent()) {
        window.Detach();
    } else {
        window.Detach();
        platform::DestroyWindow(window);
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return hWnd ? &hWnd->WrapperForCaller() : nullptr;
}

void CWnd::SetWindowText(const char* text)
{
    if (m_hWnd)
        m_hWnd->SetText(text ? text : "");
}

void CWnd::GetWindowText(CString& text) const
{
    text = m_hWnd ? CString(m_hWnd->Text()) : CString();
}

CString CWnd::GetWindowText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

int CWnd::GetWindowTextLength() const
{
    return m_hWnd ? static_cast<int>(m_hWnd->Text().size()) : 0;
}

void CWnd::SetDlgItemText(int id, const char* text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

void CWnd::GetDlgItemText(int id, CString& text) const
{
    if (CWnd* item = GetDlgItem(id))
        item->GetWindowText(text);
    else
        text.Empty();
}

CString CWnd::GetDlgItemText(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    if (!m_hWnd)
        return nullptr;
    Window* child = m_hWnd->ChildById(id);
    return child ? &child->WrapperForCaller() : nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hWnd ? m_hWnd->Id() : 0;
}

CWnd* CWnd::GetParent() const
{
    if (!m_hWnd)
        return nullptr;
    Window* parent = m_hWnd->Parent() ? m_hWnd->Parent() : m_hWnd->Owner();
    return FromHandle(parent);
}

DWORD CWnd::GetStyle() const
{
    return m_hWnd ? m_hWnd->Style() : 0;
}

DWORD CWnd::GetExStyle() const
{
    return m_hWnd ? m_hWnd->ExStyle() : 0;
}

BOOL CWnd::ShowWindow(int showCommand)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL wasVisible = m_hWnd->IsVisibleFlag();
    switch (showCommand) {
    case SW_HIDE:
        m_hWnd->SetVisible(false);
        break;
    case SW_MINIMIZE:
        m_hWnd->SetVisible(true);
        m_hWnd->SetMinimized(true);
        break;
    case SW_RESTORE:
        m_hWnd->SetVisible(true);
        m_hWnd->SetMinimized(false);
        break;
    default:
        m_hWnd->SetVisible(true);
        break;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd && m_hWnd->IsShown();
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL wasDisabled = !m_hWnd->IsEnabled();
    m_hWnd->SetEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd && m_hWnd->IsEnabled();
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    if (m_hWnd)
        if (Window* button = m_hWnd->ChildById(id))
            button->SetCheck(check);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    if (!m_hWnd)
        return BST_UNCHECKED;
    Window* button = m_hWnd->ChildById(id);
    return button && button->IsCheckable() ? button->Check() : BST_UNCHECKED;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id)
        CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const
{
    for (int id = firstId; id <= lastId; ++id)
        if (IsDlgButtonChecked(id) == BST_CHECKED)
            return id;
    return 0;
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type)
{
    platform::MessageBoxRequest request;
    request.owner = m_hWnd ? &m_hWnd->TopLevel() : nullptr;
    request.text = text ? text : "";
    request.caption = caption ? caption : "Error";
    request.type = type;
    return platform::RunMessageBox(request);
}

CMenu* CWnd::GetMenu() const
{
    return m_hWnd && m_hWnd->MenuBar() ? &m_hWnd->MenuBar()->Wrapper() : nullptr;
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const
{
    if (!m_hWnd || !(m_hWnd->Style() & WS_SYSMENU))
        return nullptr;
    if (revert || !m_hWnd->SystemMenu()) {
        m_hWnd->SetSystemMenu(platform::Menu::SystemMenu(m_hWnd->Style(), m_hWnd));
        if (revert)
            return nullptr;
    }
    return &m_hWnd->SystemMenu()->Wrapper();
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL bigIcon) const
{
    return m_hWnd ? m_hWnd->Icon(bigIcon ? ICON_BIG : ICON_SMALL) : nullptr;
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd && m_hWnd->IsMinimized();
}

void CWnd::GetClientRect(RECT* rect) const
{
    *rect = m_hWnd ? m_hWnd->ClientRect() : RECT{};
}

void CWnd::GetWindowRect(RECT* rect) const
{
    *rect = m_hWnd ? m_hWnd->Rect() : RECT{};
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_hWnd)
        platform::SetFocus(m_hWnd);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(platform::GetFocus());
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_hWnd ? platform::SendMessage(*m_hWnd, message, wParam, lParam) : 0;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    platform::DestroyWindow(*m_hWnd);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
    if (const MessageMapEntry* entry = FindMessageEntry(message))
        return entry->invoke(*this, wParam, lParam);
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const platform::CurrentMessage& current = platform::CurrentlyHandledMessage();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_hWnd ? platform::DefWindowProc(*m_hWnd, message, wParam, lParam) : 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (OnCmdMsg(id, code))
        return TRUE;
    // What a window's own map leaves goes to the application last.
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code);
}

const MessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMap* CWnd::GetThisMessageMap()
{
    static const MessageMap map(CCmdTarget::GetThisMessageMap());
    return &map;
}
