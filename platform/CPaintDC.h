#pragma once

// A paint context on a window's client area, for the span of one WM_PAINT.

#include "platform/Types.h"

class CWnd;

namespace platform {
struct DeviceContext {
    Window* window = nullptr;
};
}  // namespace platform

class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() = default;
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() { return &m_context; }
    BOOL DrawIcon(int x, int y, HICON icon);

private:
    platform::DeviceContext m_context;
};

int GetSystemMetrics(int index);
