#pragma once

// Data exchange between a dialog's members and its controls: attaching
// control members, and copying texts one way or the other.

#include "platform/CString.h"
#include "platform/Types.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: from the controls into the members.
};

// Attaches `control` to the dialog's child `id`, the first time through.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Copies the child's text into `value`, or `value` into the child.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
