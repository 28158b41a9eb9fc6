#include "platform/CString.h"

#include "platform/Resources.h"

BOOL CString::LoadString(UINT id)
{
    const char* text = platform::FindString(id);
    m_text = text ? text : "";
    return text != nullptr;
}
