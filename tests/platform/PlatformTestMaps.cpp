#include "PlatformTest.h"

using namespace test_ids;

const MessageMap* SampleDlg::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {
        MessageEntry<&SampleDlg::OnSysCommand>(WM_SYSCOMMAND),
        ClickedEntry<&SampleDlg::OnRed>(IDC_RED),
        ClickedEntry<&SampleDlg::OnApply>(IDC_APPLY),
        ClickedEntry<&SampleDlg::OnApplyShadowed>(IDC_APPLY),
        CommandEntry<&SampleDlg::OnViewOne>(ID_VIEW_ONE),
        CommandEntry<&SampleDlg::OnQuit>(ID_FILE_QUIT),
        MessageEntry<&SampleDlg::OnToolGone>(WM_TOOL_GONE),
    };
    static const MessageMap map(CDialog::GetThisMessageMap(), entries);
    return &map;
}

const MessageMap* TestApp::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {
        CommandEntry<&TestApp::OnNobody>(ID_NOBODY),
        CommandEntry<&CWinApp::OnHelp>(ID_HELP),
    };
    static const MessageMap map(CWinApp::GetThisMessageMap(), entries);
    return &map;
}
