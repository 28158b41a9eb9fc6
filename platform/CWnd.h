#pragma once

// The framework's window object: a wrapper around one window of the model.
// The object and the window have separate lives: data exchange attaches
// control members, and a dialog object outlives its window.

#include "platform/CCmdTarget.h"
#include "platform/CString.h"
#include "platform/Constants.h"
#include "platform/Types.h"

class CMenu;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object attached to a window, or a wrapper that lives as long as it.
    static CWnd* FromHandle(HWND hWnd);

    void SetWindowText(const char* text);
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int id, const char* text);
    void GetDlgItemText(int id, CString& text) const;
    CString GetDlgItemText(int id) const;

    // The child with this identifier, or nullptr.
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;

    // Returns whether the window was visible before.
    BOOL ShowWindow(int showCommand);
    // Visible, and so are all the windows it sits in.
    BOOL IsWindowVisible() const;
    // Returns whether the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;

    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    // Checks `checkId` and unchecks every other button from firstId to lastId.
    void CheckRadioButton(int firstId, int lastId, int checkId);
    // The lowest identifier from firstId to lastId whose button is checked, or 0.
    int GetCheckedRadioButton(int firstId, int lastId) const;

    // A modal message box owned by this window's top-level window.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

    CMenu* GetMenu() const;
    CMenu* GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL bigIcon);
    HICON GetIcon(BOOL bigIcon) const;
    BOOL IsIconic() const;
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;

    CWnd* SetFocus();
    static CWnd* GetFocus();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL DestroyWindow();

    // Handles one message: commands through OnCommand, other messages
    // through the map, the rest by the window's default behaviour.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone; the object may delete itself here.
    virtual void PostNcDestroy() {}

protected:
    // The window's default behaviour for the message being handled now.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Routes a command to this object's map, then to the application's.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();
};
