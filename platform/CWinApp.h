#pragma once

// The framework's application object. The program defines exactly one, as a
// global; the entry point runs it.

#include <string>

#include "platform/CCmdTarget.h"
#include "platform/Types.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // Without a name, the application is named after its executable.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    // The program's start-up; TRUE runs the application's own message loop.
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The application's message loop, until its windows are gone.
    virtual int Run();

    // Takes the executable's path: it names the application (when no name
    // was given) and its help file.
    void SetModulePath(const std::string& path);

    HICON LoadIcon(UINT id) const;

    // The default Help command. The help file named after the executable
    // does not ship, so this says that it cannot be found.
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName = "";
    const char* m_pszExeName = "";
    const char* m_pszHelpFilePath = "";

protected:
    // The framework's three-dimensional control look; every desktop the
    // program runs on draws it already.
    BOOL Enable3dControlsStatic() { return TRUE; }

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

private:
    std::string m_givenName;
    std::string m_appName;
    std::string m_exeName;
    std::string m_helpFilePath;
};

CWinApp* AfxGetApp();
// Support for hosting embedded controls in dialogs; every control of this
// framework is its own, so there is nothing to set up.
inline void AfxEnableControlContainer() {}
// Runs the application object: InitInstance, then the message loop if it
// asks for one, then ExitInstance. Returns the process's exit status.
int AfxWinMain(int argc, char** argv);
