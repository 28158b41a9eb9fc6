#pragma once

// The framework's edit control object.

#include "platform/CWnd.h"

class CEdit : public CWnd {
public:
    BOOL IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
};
