#pragma once

// The host without a display, which tests drive. It shows nothing; it
// answers the desktop's dialogs from queues the test fills, runs modal loops
// through the test's responders, and records what was asked of it.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Host.h"

namespace platform {

struct IconDrawing {
    Window* window = nullptr;
    int x = 0;
    int y = 0;
    HICON icon = nullptr;
};

class HeadlessHost : public Host {
public:
    // Acts on a dialog while its modal run is on: clicks, keys, more runs.
    using Responder = std::function<void(Window& dialog)>;

    // The next Open dialog chooses this path, or is cancelled.
    void QueueFileChoice(std::string path);
    void QueueFileCancel();
    // The next message box is answered with this button.
    void QueueMessageBoxAnswer(int answer);
    // The next modal dialog run is handed to this responder. A run with no
    // responder, or one the responder leaves running, ends as if Escape
    // were pressed.
    void QueueModalResponder(Responder responder);

    const std::vector<MessageBoxRequest>& MessageBoxes() const { return m_messageBoxes; }
    const std::vector<FileDialogRequest>& FileDialogs() const { return m_fileDialogs; }
    const std::vector<IconDrawing>& IconDrawings() const { return m_iconDrawings; }
    // The dialogs that ran modally, by template identifier, in order.
    const std::vector<int>& ModalRuns() const { return m_modalRuns; }
    int Beeps() const { return m_beeps; }

    // Forgets every queued answer and every record.
    void Reset();

    void WindowCreated(Window& window) override;
    void WindowDestroyed(Window& window) override;
    void WindowChanged(Window&, Change) override {}
    void RunModalLoop(Window& dialog) override;
    void EndModalLoop(Window&) override {}
    void RunMessageLoop() override {}
    int ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> ShowFileDialog(Window* owner, const FileDialogRequest& request) override;
    BaseUnits DialogBaseUnits(const FontSpec&) override { return BaseUnits{6, 13}; }
    int SystemMetric(int index) override;
    RECT WorkArea() override { return RECT{0, 0, 1024, 768}; }
    void DrawIcon(Window& window, int x, int y, HICON icon) override;
    void Beep() override { ++m_beeps; }

private:
    std::deque<std::optional<std::string>> m_fileChoices;
    std::deque<int> m_messageBoxAnswers;
    std::deque<Responder> m_responders;
    std::vector<MessageBoxRequest> m_messageBoxes;
    std::vector<FileDialogRequest> m_fileDialogs;
    std::vector<IconDrawing> m_iconDrawings;
    std::vector<int> m_modalRuns;
    int m_beeps = 0;
};

// The headless host that runs whenever no other host is installed.
HeadlessHost& Headless();

}  // namespace platform
