#include "platform/CDialog.h"

#include "platform/DialogBuilder.h"
#include "platform/Host.h"
#include "platform/ModalRun.h"
#include "platform/Resources.h"
#include "platform/Window.h"

using platform::Window;

INT_PTR CDialog::DoModal()
{
    const platform::DialogTemplate* dialogTemplate = platform::FindDialogTemplate(m_nIDTemplate);
    if (!dialogTemplate || m_hWnd)
        return -1;
    Window* owner = platform::ModalOwner(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
    platform::OwnerDisabler disabled(owner);

    Window* window = platform::BuildDialog(*this, *dialogTemplate, owner, platform::Modality::Modal);
    if (!window)
        return -1;
    if (!window->Run().ended)
        platform::CurrentHost().RunModalLoop(*window);
    const int result = platform::IsWindow(window) ? window->Run().result : IDCANCEL;
    // The owner comes back before the dialog goes, so it becomes active again.
    disabled.Release();
    if (platform::IsWindow(window))
        platform::DestroyWindow(*window);
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    const platform::DialogTemplate* dialogTemplate = platform::FindDialogTemplate(templateId);
    if (!dialogTemplate || m_hWnd)
        return FALSE;
    m_nIDTemplate = templateId;
    if (parent)
        m_pParentWnd = parent;
    Window* owner = m_pParentWnd && m_pParentWnd->m_hWnd ? &m_pParentWnd->m_hWnd->TopLevel() : nullptr;
    return platform::BuildDialog(*this, *dialogTemplate, owner, platform::Modality::Modeless) ? TRUE : FALSE;
}

void CDialog::EndDialog(int result)
{
    if (!m_hWnd)
        return;
    platform::DialogRun& run = m_hWnd->Run();
    if (!run.modal) {
        m_hWnd->SetVisible(false);
        return;
    }
    run.ended = true;
    run.result = result;
    platform::CurrentHost().EndModalLoop(*m_hWnd);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

const MessageMap* CDialog::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMap* CDialog::GetThisMessageMap()
{
    // OK and Cancel reach the virtual handlers unless a derived map takes them first.
    static const MessageMapEntry entries[] = {
        CommandEntry<&CDialog::OnOK>(IDOK),
        CommandEntry<&CDialog::OnCancel>(IDCANCEL),
    };
    static const MessageMap map(CWnd::GetThisMessageMap(), entries);
    return &map;
}
