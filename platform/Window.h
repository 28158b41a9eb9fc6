#pragma once

// The window model: every dialog and control as state. The framework's
// wrappers (CWnd and its kin) act on it, the dialog manager decides its
// behaviour, and the host only shows it.

#include <memory>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "platform/Types.h"

class CWnd;
class CMenu;

namespace platform {

// What changed on a window, so that the host can mirror it.
enum class Change { Text, Visible, Enabled, Check, Focus, Style, Geometry, MenuBar, SystemMenu, Icon, Minimized };

// The state of a dialog's run: modal or modeless, and whether it has ended.
struct DialogRun {
    bool modal = false;
    bool ended = false;
    int result = 0;
};

class Window {
public:
    Window(WindowClass windowClass, int id, DWORD style, DWORD exStyle, std::string text);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    WindowClass Class() const { return m_class; }
    int Id() const { return m_id; }
    DWORD Style() const { return m_style; }
    DWORD ExStyle() const { return m_exStyle; }
    void SetStyle(DWORD style);

    // Kinds of control, read from the class and the style bits.
    bool IsPushButton() const;   // A plain or default push button.
    bool IsDefaultPushButton() const;
    bool IsRadioButton() const;
    bool IsAutoRadioButton() const;
    bool IsCheckable() const;    // Radio buttons and check boxes.
    bool IsGroupBox() const;
    bool IsStaticLike() const;   // Statics and group boxes: they never take the focus.
    bool TakesCharacters() const;  // Edit controls keep plain letters and arrows.
    // The mnemonic letter, lower-cased, or 0 when the text has none or the
    // control shows its text literally.
    char Mnemonic() const;

    const std::string& Text() const { return m_text; }
    void SetText(std::string text);

    bool IsVisibleFlag() const { return m_visible; }
    // Visible and so are all its parents, as the learner sees it.
    bool IsShown() const;
    void SetVisible(bool visible);
    bool IsEnabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    UINT Check() const { return m_check; }
    void SetCheck(UINT check);
    bool IsMinimized() const { return m_minimized; }
    void SetMinimized(bool minimized);

    // Children: relative to the parent's client area; top-level windows:
    // screen coordinates of the client area. In pixels.
    const RECT& Rect() const { return m_rect; }
    void SetRect(const RECT& rect);
    RECT ClientRect() const { return RECT{0, 0, m_rect.Width(), m_rect.Height()}; }
    // Where the template put the control, in dialog units.
    const RECT& DialogUnitRect() const { return m_dluRect; }
    void SetDialogUnitRect(const RECT& rect) { m_dluRect = rect; }
    const FontSpec& Font() const { return m_font; }
    void SetFont(const FontSpec& font) { m_font = font; }

    Window* Parent() const { return m_parent; }
    Window* Owner() const { return m_owner; }
    Window& TopLevel();
    const std::vector<std::unique_ptr<Window>>& Children() const { return m_children; }
    Window& AddChild(std::unique_ptr<Window> child);
    Window* ChildById(int id) const;
    const std::vector<Window*>& OwnedWindows() const { return m_owned; }
    void SetOwner(Window* owner);

    Menu* MenuBar() const { return m_menuBar.get(); }
    void SetMenuBar(std::unique_ptr<Menu> menu);
    Menu* SystemMenu() const { return m_systemMenu.get(); }
    void SetSystemMenu(std::unique_ptr<Menu> menu);
    void MenuChanged(const Menu& menu);

    HICON Icon(WPARAM size) const { return size == 0 ? m_smallIcon : m_bigIcon; }
    HICON SetIcon(WPARAM size, HICON icon);
    UINT ImageId() const { return m_imageId; }
    void SetImageId(UINT id) { m_imageId = id; }

    // The wrapper that owns this window's behaviour (a dialog object or a
    // control member attached by data exchange), or none.
    CWnd* Wrapper() const { return m_wrapper; }
    void Attach(CWnd& wrapper);
    void Detach();
    // A wrapper for callers that ask for a window no object is attached to;
    // it lives as long as the window.
    CWnd& WrapperForCaller();

    DialogRun& Run() { return m_run; }

    // Top-level windows: the control that holds the focus while this window
    // is active.
    Window* FocusedChild() const { return m_focusedChild; }
    void SetFocusedChild(Window* child) { m_focusedChild = child; }

    void* Peer() const { return m_peer; }
    void SetPeer(void* peer) { m_peer = peer; }

    bool IsDestroyed() const { return m_destroyed; }

private:
    friend void DestroyWindow(Window& window);
    void Notify(Change change);
    // Marks this window and its children gone and detaches their wrappers.
    void MarkTreeDestroyed();

    WindowClass m_class;
    int m_id;
    DWORD m_style;
    DWORD m_exStyle;
    std::string m_text;
    bool m_visible = false;
    bool m_enabled = true;
    UINT m_check = 0;
    bool m_minimized = false;
    RECT m_rect;
    RECT m_dluRect;
    FontSpec m_font;
    Window* m_parent = nullptr;
    Window* m_owner = nullptr;
    std::vector<std::unique_ptr<Window>> m_children;
    std::vector<Window*> m_owned;
    std::unique_ptr<Menu> m_menuBar;
    std::unique_ptr<Menu> m_systemMenu;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    UINT m_imageId = 0;
    CWnd* m_wrapper = nullptr;
    std::unique_ptr<CWnd> m_callerWrapper;
    DialogRun m_run;
    Window* m_focusedChild = nullptr;
    void* m_peer = nullptr;
    bool m_destroying = false;
    bool m_destroyed = false;
};

// Registers a new top-level window; the model owns it until it is destroyed.
Window& AddTopLevelWindow(std::unique_ptr<Window> window);
// Destroys the window: first the windows it owns, then itself and its
// children. The wrapper is detached and told last (PostNcDestroy). The
// memory goes once no message is being handled any more.
void DestroyWindow(Window& window);
// True while the window exists and has not been destroyed.
bool IsWindow(const Window* window);
std::vector<Window*> TopLevelWindows();

Window* GetFocus();
// Gives the focus to a control and makes its top-level window active.
void SetFocus(Window* window);
Window* GetActiveWindow();
void SetActiveWindow(Window* window);

}  // namespace platform
