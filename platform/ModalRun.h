#pragma once

// Modal runs of the desktop's own dialogs. Each one disables only its owner
// for as long as it runs, so every other window of the program stays usable.

#include <optional>
#include <string>

#include "platform/Host.h"

namespace platform {

// The owner of a modal run: the parent's top-level window, or else the
// application's main window (never the dialog itself).
Window* ModalOwner(Window* parent, const Window* self = nullptr);

int RunMessageBox(const MessageBoxRequest& request);
std::optional<std::string> RunFileDialog(Window* owner, const FileDialogRequest& request);

// Disables a window for the life of this object, if it was enabled.
class OwnerDisabler {
public:
    explicit OwnerDisabler(Window* owner);
    ~OwnerDisabler();
    OwnerDisabler(const OwnerDisabler&) = delete;
    OwnerDisabler& operator=(const OwnerDisabler&) = delete;
    // Gives the owner back now, before the dialog's window goes.
    void Release();

private:
    Window* m_owner;
};

}  // namespace platform
