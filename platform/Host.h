#pragma once

// What the window model asks of the host that shows it: peers for windows,
// the modal loops, the desktop's own dialogs, and facts of the screen. The
// model decides all behaviour; a host only shows it and reports input back
// through the dialog manager, so every host behaves alike.

#include <optional>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "platform/Types.h"
#include "platform/Window.h"

namespace platform {

// Icons are drawn at these sizes on every host: the icon resources hold them.
constexpr int IconSize = 32;
constexpr int SmallIconSize = 16;

struct BaseUnits {
    int x = 6;
    int y = 13;
};

struct FileFilter {
    std::string name;     // "Text Database (*.txt)"
    std::string pattern;  // "*.txt"; several patterns are separated by ';'
};

struct FileDialogRequest {
    bool openDialog = true;
    std::string defaultExtension;  // As the caller gave it, e.g. ".txt".
    std::string fileName;
    DWORD flags = 0;
    std::string filterSpec;        // The caller's "name|pattern|...||" text.
    std::vector<FileFilter> filters;
};

struct MessageBoxRequest {
    Window* owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0;
};

class Host {
public:
    virtual ~Host() = default;

    // The window and its children exist (still hidden); make their peers.
    virtual void WindowCreated(Window& window) = 0;
    // The window and its children are going; drop their peers.
    virtual void WindowDestroyed(Window& window) = 0;
    virtual void WindowChanged(Window& window, Change change) = 0;

    // Runs a nested loop until EndModalLoop is called for this dialog.
    virtual void RunModalLoop(Window& dialog) = 0;
    virtual void EndModalLoop(Window& dialog) = 0;
    // The application's own loop; returns when no top-level window is left.
    virtual void RunMessageLoop() = 0;

    // Shows a modal message box; returns the answer (IDOK, IDCANCEL, ...).
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Shows the Open (or Save) dialog; the chosen path, or none when cancelled.
    virtual std::optional<std::string> ShowFileDialog(Window* owner, const FileDialogRequest& request) = 0;

    virtual BaseUnits DialogBaseUnits(const FontSpec& font) = 0;
    // Metrics of the screen (SM_CXSCREEN, SM_CYSCREEN); the icon sizes are the model's own.
    virtual int SystemMetric(int index) = 0;
    // The part of the screen that windows may cover, in pixels.
    virtual RECT WorkArea() = 0;

    // Paints an icon into a window's client area at (x, y).
    virtual void DrawIcon(Window& window, int x, int y, HICON icon) = 0;
    virtual void Beep() = 0;
};

// The host in use: the one installed, or the headless host when none is.
Host& CurrentHost();
// Installs a host; nullptr goes back to the headless host.
void InstallHost(Host* host);

}  // namespace platform
