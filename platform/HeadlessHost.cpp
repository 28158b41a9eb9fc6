#include "platform/HeadlessHost.h"

#include "platform/Constants.h"
#include "platform/DialogManager.h"

namespace platform {

namespace {

Host*& InstalledHost()
{
    static Host* host = nullptr;
    return host;
}

// Marks every window of the tree as shown by this host.
void SetPeers(Window& window, void* peer)
{
    window.SetPeer(peer);
    for (const auto& child : window.Children())
        SetPeers(*child, peer);
}

}  // namespace

Host& CurrentHost()
{
    Host* host = InstalledHost();
    return host ? *host : Headless();
}

void InstallHost(Host* host)
{
    InstalledHost() = host;
}

HeadlessHost& Headless()
{
    static HeadlessHost host;
    return host;
}

void HeadlessHost::QueueFileChoice(std::string path)
{
    m_fileChoices.emplace_back(std::move(path));
}

void HeadlessHost::QueueFileCancel()
{
    m_fileChoices.emplace_back(std::nullopt);
}

void HeadlessHost::QueueMessageBoxAnswer(int answer)
{
    m_messageBoxAnswers.push_back(answer);
}

void HeadlessHost::QueueModalResponder(Responder responder)
{
    m_responders.push_back(std::move(responder));
}

void HeadlessHost::Reset()
{
    m_fileChoices.clear();
    m_messageBoxAnswers.clear();
    m_responders.clear();
    m_messageBoxes.clear();
    m_fileDialogs.clear();
    m_iconDrawings.clear();
    m_modalRuns.clear();
    m_beeps = 0;
}

void HeadlessHost::WindowCreated(Window& window)
{
    // The headless host keeps no peers; a marker lets the model report changes.
    SetPeers(window, this);
}

void HeadlessHost::WindowDestroyed(Window& window)
{
    SetPeers(window, nullptr);
}

void HeadlessHost::RunModalLoop(Window& dialog)
{
    m_modalRuns.push_back(dialog.Id());
    if (!m_responders.empty()) {
        Responder responder = std::move(m_responders.front());
        m_responders.pop_front();
        responder(dialog);
    }
    if (IsWindow(&dialog) && !dialog.Run().ended)
        PressKey(dialog, Key::Escape);
    if (IsWindow(&dialog) && !dialog.Run().ended) {
        // Escape could not end it (a disabled Cancel button): end it anyway,
        // so that no test can hang here.
        dialog.Run().ended = true;
        dialog.Run().result = IDCANCEL;
    }
}

int HeadlessHost::ShowMessageBox(const MessageBoxRequest& request)
{
    m_messageBoxes.push_back(request);
    if (m_messageBoxAnswers.empty())
        return IDOK;
    const int answer = m_messageBoxAnswers.front();
    m_messageBoxAnswers.pop_front();
    return answer;
}

std::optional<std::string> HeadlessHost::ShowFileDialog(Window*, const FileDialogRequest& request)
{
    m_fileDialogs.push_back(request);
    if (m_fileChoices.empty())
        return std::nullopt;
    std::optional<std::string> choice = std::move(m_fileChoices.front());
    m_fileChoices.pop_front();
    return choice;
}

int HeadlessHost::SystemMetric(int index)
{
    switch (index) {
    case SM_CXSCREEN:
        return 1024;
    case SM_CYSCREEN:
        return 768;
    default:
        return 0;
    }
}

void HeadlessHost::DrawIcon(Window& window, int x, int y, HICON icon)
{
    m_iconDrawings.push_back({&window, x, y, icon});
}

}  // namespace platform
