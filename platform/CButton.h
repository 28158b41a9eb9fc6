#pragma once

// The framework's button object: push buttons, radio buttons, check boxes.

#include "platform/CWnd.h"
#include "platform/Window.h"

class CButton : public CWnd {
public:
    UINT GetCheck() const { return m_hWnd ? m_hWnd->Check() : BST_UNCHECKED; }
    void SetCheck(UINT check)
    {
        if (m_hWnd)
            m_hWnd->SetCheck(check);
    }
};
