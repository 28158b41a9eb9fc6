#include "platform/CDataExchange.h"

#include "platform/CWnd.h"
#include "platform/Window.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd || !pDX->m_pDlgWnd->m_hWnd)
        return;
    if (platform::Window* child = pDX->m_pDlgWnd->m_hWnd->ChildById(id))
        child->Attach(control);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    if (pDX->m_bSaveAndValidate)
        pDX->m_pDlgWnd->GetDlgItemText(id, value);
    else
        pDX->m_pDlgWnd->SetDlgItemText(id, value);
}
