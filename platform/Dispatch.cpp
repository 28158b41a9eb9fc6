#include "platform/Dispatch.h"

#include <vector>

#include "platform/CWnd.h"
#include "platform/Constants.h"
#include "platform/DialogManager.h"
#include "platform/Host.h"
#include "platform/Window.h"

namespace platform {

namespace {

std::vector<CurrentMessage>& MessageStack()
{
    static std::vector<CurrentMessage> stack;
    return stack;
}

LRESULT DialogDefault(Window& dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            SendMessage(dialog, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
            dialog.SetMinimized(true);
            break;
        case SC_RESTORE:
            dialog.SetMinimized(false);
            break;
        default:
            break;  // Moving and sizing are the host's, from its own frame.
        }
        return 0;
    case WM_CLOSE:
        // Closing a dialog is the Cancel command, unless its Cancel button is disabled.
        if (Window* cancel = dialog.ChildById(IDCANCEL); cancel && !cancel->IsEnabled()) {
            CurrentHost().Beep();
            return 0;
        }
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dialog.ChildById(IDCANCEL)));
        return 0;
    case WM_SETICON:
        return reinterpret_cast<LRESULT>(dialog.SetIcon(wParam, reinterpret_cast<HICON>(lParam)));
    case WM_INITDIALOG:
        return TRUE;
    default:
        return 0;
    }
}

LRESULT ButtonDefault(Window& button, UINT message, WPARAM wParam)
{
    switch (message) {
    case BM_CLICK:
        Click(button);
        return 0;
    case BM_GETCHECK:
        return button.Check();
    case BM_SETCHECK:
        button.SetCheck(static_cast<UINT>(wParam));
        return 0;
    default:
        return 0;
    }
}

}  // namespace

LRESULT SendMessage(Window& window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window.IsDestroyed())
        return 0;
    MessageStack().push_back({message, wParam, lParam});
    // The wrapper may delete itself while it handles the message; nothing
    // here touches it afterwards.
    CWnd* wrapper = window.Wrapper();
    const LRESULT result =
        wrapper ? wrapper->WindowProc(message, wParam, lParam) : DefWindowProc(window, message, wParam, lParam);
    MessageStack().pop_back();
    CollectDestroyedWindows();
    return result;
}

LRESULT DefWindowProc(Window& window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window.IsDestroyed())
        return 0;
    switch (window.Class()) {
    case WindowClass::Dialog:
        return DialogDefault(window, message, wParam, lParam);
    case WindowClass::Button:
        return ButtonDefault(window, message, wParam);
    default:
        return 0;
    }
}

const CurrentMessage& CurrentlyHandledMessage()
{
    static const CurrentMessage none;
    return MessageStack().empty() ? none : MessageStack().back();
}

int DispatchDepth()
{
    return static_cast<int>(MessageStack().size());
}

}  // namespace platform
