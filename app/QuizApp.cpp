#include "app/QuizApp.h"

#include "quiz/QuizDlg.h"

CQuizApp theApp;

const MessageMap* CQuizApp::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMap* CQuizApp::GetThisMessageMap()
{
    // F1 in any of the program's windows arrives here as the Help command.
    static const MessageMapEntry entries[] = {
        CommandEntry<&CWinApp::OnHelp>(ID_HELP),
    };
    static const MessageMap map(CWinApp::GetThisMessageMap(), entries);
    return &map;
}

BOOL CQuizApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CQuizDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();  // Every way the dialog ends, ends the program.

    // FALSE: the dialog's modal run was the program's only message loop.
    return FALSE;
}
