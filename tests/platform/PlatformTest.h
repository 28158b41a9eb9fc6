#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestResources.h"
#include "platform/DialogBuilder.h"
#include "platform/DialogManager.h"
#include "platform/Framework.h"
#include "platform/HeadlessHost.h"
#include "platform/Menu.h"
#include "platform/Window.h"

// The sample dialog, logging what reaches its handlers.
class SampleDlg : public CDialog {
public:
    explicit SampleDlg(CWnd* parent = nullptr) : CDialog(test_ids::IDD_SAMPLE, parent) {}

    std::vector<std::string> log;
    CString m_strName;
    CEdit m_editName;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, test_ids::IDC_NAME, m_editName);
        DDX_Text(pDX, test_ids::IDC_NAME, m_strName);
    }
    void OnOK() override
    {
        log.push_back("OnOK");
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        log.push_back("OnCancel");
        CDialog::OnCancel();
    }

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

private:
    void OnRed() { log.push_back(IsDlgButtonChecked(test_ids::IDC_RED) ? "red, checked" : "red, unchecked"); }
    void OnApply() { log.push_back("apply"); }
    void OnApplyShadowed() { log.push_back("second apply entry"); }
    void OnViewOne() { log.push_back("view one"); }
    void OnQuit() { log.push_back("quit"); }
    LRESULT OnToolGone(WPARAM, LPARAM)
    {
        log.push_back("tool gone");
        return 0;
    }
    void OnSysCommand(UINT id, LPARAM)
    {
        log.push_back("syscommand " + std::to_string(id));
        Default();
    }
};

// Sent by a tool window to its owner as it goes.
constexpr UINT WM_TOOL_GONE = WM_APP + 5;

class TestApp : public CWinApp {
public:
    std::vector<std::string> log;

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

private:
    void OnNobody() { log.push_back("app: nobody"); }
};

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Headless().Reset();
        app.SetModulePath("/opt/sample/sampler");
    }
    void TearDown() override
    {
        // Destroying a window frees the windows it owns too: take one at a time.
        while (!platform::TopLevelWindows().empty())
            platform::DestroyWindow(*platform::TopLevelWindows().front());
        platform::Headless().Reset();
    }

    platform::Window& Item(CWnd& dialog, int id) { return *dialog.m_hWnd->ChildById(id); }
    platform::HeadlessHost& host() { return platform::Headless(); }

    TestApp app;
};
