#pragma once

// The basic value types of the dialog framework that the program is written
// against: integer widths, message parameters, rectangles and handles.

#include <cstdint>

namespace platform {
class Window;
class Menu;
struct IconResource;
struct DeviceContext;
}  // namespace platform

using BOOL = int;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using INT_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

// Handles are pointers into the window model; they never own what they name.
using HWND = platform::Window*;
using HMENU = platform::Menu*;
using HICON = const platform::IconResource*;
using HCURSOR = HICON;  // A cursor is shown from an icon resource, as on the desktop.
using HDC = platform::DeviceContext*;

struct POINT {
    int x = 0;
    int y = 0;
};

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const RECT& a, const RECT& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(UINT low, UINT high)
{
    return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}

// Rounds a * b / c to the nearest integer, as dialog-unit conversion requires.
constexpr int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}
