// The program with a probing host: at the first paint of the main window it
// prints how long that took since main() began and how much memory the
// process holds, then presses Escape, so the program ends as a learner would
// end it. bench/startup/run times the whole run from exec to exit.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/DialogManager.h"
#include "platform/Window.h"
#include "platform/qt/QtHost.h"

namespace {

// A field of /proc/self/status, such as "VmHWM:    31232 kB".
std::string StatusLine(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return line;
    return field + ": unknown";
}

class ProbeHost : public platform::QtHost {
public:
    explicit ProbeHost(const QElapsedTimer& sinceMain) : m_sinceMain(sinceMain) {}

protected:
    void DialogPainted(platform::Window& dialog) override
    {
        CWinApp* app = AfxGetApp();
        if (m_painted || !app || !app->m_pMainWnd || app->m_pMainWnd->m_hWnd != &dialog)
            return;
        m_painted = true;
        std::printf("first paint after main(): %.1f ms\n", static_cast<double>(m_sinceMain.nsecsElapsed()) / 1e6);
        std::printf("%s\n%s\n", StatusLine("VmHWM").c_str(), StatusLine("VmRSS").c_str());
        std::fflush(stdout);
        // Not from inside the paint: the key goes in once painting is over.
        QTimer::singleShot(0, [] {
            CWinApp* current = AfxGetApp();
            if (current && current->m_pMainWnd && current->m_pMainWnd->m_hWnd)
                platform::PressKey(*current->m_pMainWnd->m_hWnd, platform::Key::Escape);
        });
    }

private:
    const QElapsedTimer& m_sinceMain;
    bool m_painted = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    ProbeHost host(sinceMain);
    platform::InstallHost(&host);
    const int status = AfxWinMain(argc, argv);
    platform::InstallHost(nullptr);
    return status;
}
