#include "platform/DialogManager.h"

#include <cctype>

#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/Constants.h"
#include "platform/Dispatch.h"
#include "platform/Host.h"
#include "platform/Menu.h"
#include "platform/Window.h"

namespace platform {

namespace {

enum class Direction { Forward, Backward };

// Judged on the control itself: a dialog picks its first focus before it is shown.
bool CanTakeFocus(const Window& control)
{
    return !control.IsStaticLike() && control.IsVisibleFlag() && control.IsEnabled();
}

bool IsTabStop(const Window& control)
{
    return CanTakeFocus(control) && (control.Style() & WS_TABSTOP);
}

std::vector<Window*> ControlsOf(Window& dialog)
{
    std::vector<Window*> controls;
    for (const auto& child : dialog.Children())
        controls.push_back(child.get());
    return controls;
}

int IndexOf(const std::vector<Window*>& controls, const Window* control)
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i] == control)
            return static_cast<int>(i);
    return -1;
}

// The next control after `from` (or from the start) that passes `accept`, wrapping once.
template <typename Accept>
Window* NextControl(const std::vector<Window*>& controls, const Window* from, Direction direction, Accept accept)
{
    const int count = static_cast<int>(controls.size());
    if (count == 0)
        return nullptr;
    int index = IndexOf(controls, from);
    if (index < 0)
        index = direction == Direction::Forward ? -1 : count;
    const int step = direction == Direction::Forward ? 1 : -1;
    for (int n = 0; n < count; ++n) {
        index = ((index + step) % count + count) % count;
        if (accept(*controls[static_cast<std::size_t>(index)]))
            return controls[static_cast<std::size_t>(index)];
    }
    return nullptr;
}

void SendClicked(Window& control)
{
    if (Window* parent = control.Parent())
        SendMessage(parent->TopLevel(), WM_COMMAND, MAKEWPARAM(static_cast<UINT>(control.Id()), BN_CLICKED),
                    reinterpret_cast<LPARAM>(&control));
}

bool PressEnter(Window& dialog)
{
    Window* focus = dialog.FocusedChild();
    if (focus && focus->Class() == WindowClass::Edit && (focus->Style() & ES_MULTILINE) &&
        (focus->Style() & ES_WANTRETURN))
        return true;  // The edit control keeps the line break.
    if (focus && focus->IsPushButton() && AcceptsInput(*focus))
        return Click(*focus);
    for (Window* control : ControlsOf(dialog)) {
        if (!control->IsDefaultPushButton())
            continue;
        if (!control->IsEnabled()) {
            CurrentHost().Beep();
            return true;
        }
        SendClicked(*control);
        return true;
    }
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
}

bool PressEscape(Window& dialog)
{
    Window* cancel = dialog.ChildById(IDCANCEL);
    if (cancel && !cancel->IsEnabled()) {
        CurrentHost().Beep();
        return true;
    }
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    return true;
}

bool MoveInGroup(Window& dialog, Direction direction)
{
    Window* focus = dialog.FocusedChild();
    if (!focus || focus->TakesCharacters())
        return false;
    const std::vector<Window*> group = GroupOf(*focus);
    Window* next = NextControl(group, focus, direction, CanTakeFocus);
    if (!next || next == focus)
        return true;
    if (next->IsAutoRadioButton())
        return Click(*next);
    SetFocus(next);
    return true;
}

bool PressHelp()
{
    CWinApp* app = AfxGetApp();
    Window* main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    if (!main || !IsWindow(main))
        return false;
    SendMessage(*main, WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
    return true;
}

}  // namespace

bool AcceptsInput(const Window& window)
{
    if (!IsWindow(&window) || !window.IsShown() || !window.IsEnabled())
        return false;
    const Window& top = const_cast<Window&>(window).TopLevel();
    return top.IsEnabled();
}

Window* FirstTabStop(Window& dialog)
{
    for (Window* control : ControlsOf(dialog))
        if (IsTabStop(*control))
            return control;
    return nullptr;
}

std::vector<Window*> GroupOf(Window& control)
{
    Window* parent = control.Parent();
    if (!parent)
        return {};
    const std::vector<Window*> controls = ControlsOf(*parent);
    const int index = IndexOf(controls, &control);
    int first = index;
    while (first > 0 && !(controls[static_cast<std::size_t>(first)]->Style() & WS_GROUP))
        --first;
    int last = index + 1;
    while (last < static_cast<int>(controls.size()) && !(controls[static_cast<std::size_t>(last)]->Style() & WS_GROUP))
        ++last;
    return std::vector<Window*>(controls.begin() + first, controls.begin() + last);
}

bool Click(Window& control)
{
    if (!AcceptsInput(control))
        return false;
    if (control.Class() == WindowClass::Dialog) {
        SetActiveWindow(&control);
        return true;
    }
    if (CanTakeFocus(control))
        SetFocus(&control);
    if (control.Class() != WindowClass::Button || control.IsGroupBox())
        return true;
    if (control.IsAutoRadioButton()) {
        for (Window* member : GroupOf(control))
            if (member != &control && member->IsRadioButton())
                member->SetCheck(BST_UNCHECKED);
        control.SetCheck(BST_CHECKED);
    } else if ((control.Style() & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        control.SetCheck(control.Check() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    }
    SendClicked(control);
    return true;
}

bool PressKey(Window& window, Key key, Modifiers modifiers)
{
    Window& dialog = window.TopLevel();
    if (!AcceptsInput(dialog))
        return false;
    switch (key) {
    case Key::Tab: {
        const Direction direction = Has(modifiers, Modifiers::Shift) ? Direction::Backward : Direction::Forward;
        if (Window* next = NextControl(ControlsOf(dialog), dialog.FocusedChild(), direction, IsTabStop))
            SetFocus(next);
        return true;
    }
    case Key::Enter:
        return PressEnter(dialog);
    case Key::Escape:
        return PressEscape(dialog);
    case Key::Space: {
        Window* focus = dialog.FocusedChild();
        return focus && focus->Class() == WindowClass::Button && Click(*focus);
    }
    case Key::Left:
    case Key::Up:
        return MoveInGroup(dialog, Direction::Backward);
    case Key::Right:
    case Key::Down:
        return MoveInGroup(dialog, Direction::Forward);
    case Key::F1:
        return modifiers == Modifiers::None && PressHelp();
    }
    return false;
}

bool PressCharacter(Window& window, char character, Modifiers modifiers)
{
    Window& dialog = window.TopLevel();
    if (!AcceptsInput(dialog))
        return false;
    Window* focus = dialog.FocusedChild();
    if (!Has(modifiers, Modifiers::Alt) && focus && focus->TakesCharacters())
        return false;  // The edit control keeps plain letters.
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    const std::vector<Window*> controls = ControlsOf(dialog);
    auto matches = [letter](const Window& c) { return c.IsVisibleFlag() && c.IsEnabled() && c.Mnemonic() == letter; };
    Window* target = NextControl(controls, focus, Direction::Forward, matches);
    if (!target)
        return false;
    if (target->IsStaticLike()) {
        if (Window* next = NextControl(controls, target, Direction::Forward, IsTabStop))
            SetFocus(next);
        return true;
    }
    if (target->IsPushButton())
        return Click(*target);
    int sharing = 0;
    for (Window* c : controls)
        sharing += matches(*c) ? 1 : 0;
    if (sharing == 1)
        return Click(*target);
    SetFocus(target);  // Several controls share the letter: it only moves the focus.
    return true;
}

bool ChooseMenuItem(Window& topLevel, UINT command)
{
    if (!AcceptsInput(topLevel) || !topLevel.MenuBar())
        return false;
    const MenuItem* item = topLevel.MenuBar()->FindByCommand(command);
    if (!item || (item->state & (MF_GRAYED | MF_DISABLED)))
        return false;
    SendMessage(topLevel, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return true;
}

bool ChooseSystemMenuItem(Window& topLevel, UINT command)
{
    if (!AcceptsInput(topLevel) || !topLevel.SystemMenu())
        return false;
    const MenuItem* item = topLevel.SystemMenu()->FindByCommand(command);
    if (!item || (item->state & (MF_GRAYED | MF_DISABLED)))
        return false;
    SendMessage(topLevel, WM_SYSCOMMAND, command, 0);
    return true;
}

bool PressCloseBox(Window& topLevel)
{
    if (!AcceptsInput(topLevel) || !(topLevel.Style() & WS_SYSMENU))
        return false;
    SendMessage(topLevel, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

}  // namespace platform
