#include "platform/CWinApp.h"

#include "platform/CWnd.h"
#include "platform/Constants.h"
#include "platform/Host.h"
#include "platform/ModalRun.h"
#include "platform/Resources.h"

namespace {

CWinApp*& TheApp()
{
    static CWinApp* app = nullptr;
    return app;
}

}  // namespace

CWinApp::CWinApp(const char* appName) : m_givenName(appName ? appName : "")
{
    TheApp() = this;
    SetModulePath("");
}

CWinApp::~CWinApp()
{
    if (TheApp() == this)
        TheApp() = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    platform::CurrentHost().RunMessageLoop();
    return ExitInstance();
}

void CWinApp::SetModulePath(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    m_exeName = name;
    m_appName = m_givenName.empty() ? name : m_givenName;
    m_helpFilePath = directory + name + ".HLP";
    m_pszExeName = m_exeName.c_str();
    m_pszAppName = m_appName.c_str();
    m_pszHelpFilePath = m_helpFilePath.c_str();
}

HICON CWinApp::LoadIcon(UINT id) const
{
    return platform::FindIcon(id);
}

void CWinApp::OnHelp()
{
    const std::string& path = m_helpFilePath;
    const std::size_t slash = path.find_last_of("/\\");
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    platform::MessageBoxRequest request;
    request.owner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    request.text = "Cannot find the help file " + file + ".";
    request.caption = m_appName;
    request.type = MB_OK | MB_ICONEXCLAMATION;
    platform::RunMessageBox(request);
}

const MessageMap* CWinApp::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMap* CWinApp::GetThisMessageMap()
{
    static const MessageMap map(CCmdTarget::GetThisMessageMap());
    return &map;
}

CWinApp* AfxGetApp()
{
    return TheApp();
}

int AfxWinMain(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->SetModulePath(argc > 0 && argv[0] ? argv[0] : "");
    if (!app->InitInstance()) {
        if (app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
