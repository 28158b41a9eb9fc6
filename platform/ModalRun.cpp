#include "platform/ModalRun.h"

#include "platform/CWinApp.h"
#include "platform/CWnd.h"

namespace platform {

Window* ModalOwner(Window* parent, const Window* self)
{
    if (parent && IsWindow(parent))
        return &parent->TopLevel();
    CWinApp* app = AfxGetApp();
    Window* main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    return main && main != self && IsWindow(main) ? main : nullptr;
}

OwnerDisabler::OwnerDisabler(Window* owner) : m_owner(owner && owner->IsEnabled() ? owner : nullptr)
{
    if (m_owner)
        m_owner->SetEnabled(false);
}

OwnerDisabler::~OwnerDisabler()
{
    Release();
}

void OwnerDisabler::Release()
{
    if (m_owner && IsWindow(m_owner)) {
        m_owner->SetEnabled(true);
        SetActiveWindow(m_owner);
    }
    m_owner = nullptr;
}

int RunMessageBox(const MessageBoxRequest& request)
{
    OwnerDisabler disabled(request.owner);
    return CurrentHost().ShowMessageBox(request);
}

std::optional<std::string> RunFileDialog(Window* owner, const FileDialogRequest& request)
{
    OwnerDisabler disabled(owner);
    return CurrentHost().ShowFileDialog(owner, request);
}

}  // namespace platform
