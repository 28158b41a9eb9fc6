#include "platform/CPaintDC.h"

#include "platform/CWnd.h"
#include "platform/Constants.h"
#include "platform/Host.h"

CPaintDC::CPaintDC(CWnd* window)
{
    m_context.window = window ? window->m_hWnd : nullptr;
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON icon)
{
    if (!m_context.window || !icon)
        return FALSE;
    platform::CurrentHost().DrawIcon(*m_context.window, x, y, icon);
    return TRUE;
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXICON:
    case SM_CYICON:
        return platform::IconSize;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return platform::SmallIconSize;
    default:
        return platform::CurrentHost().SystemMetric(index);
    }
}
